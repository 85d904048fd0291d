#include "demogamefixture.h"

#include <QProcessEnvironment>

bool makeDemoGame(const QString &folder, const QStringList &extraArguments, QString *error) {
    QStringList arguments = extraArguments;
    if (!arguments.contains(QStringLiteral("--with-music")))
        arguments.prepend(QStringLiteral("--no-music"));
    else
        arguments.removeAll(QStringLiteral("--with-music"));
    arguments.append(folder);
    const ProcessResult result = runProgram(QStringLiteral(TARQ_DEMO_GAME_EXE), arguments);
    if (result.exitCode != 0 && error)
        *error = QString::fromLocal8Bit(result.standardError);
    return result.exitCode == 0;
}

static QProcessEnvironment editorEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TARQ_EDITOR_MESSAGES"), QStringLiteral("stderr"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    environment.remove(QStringLiteral("TARQ_GAME_DIR"));
    return environment;
}

ProcessResult runProgram(const QString &program, const QStringList &arguments,
                         const QString &workingFolder, int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(editorEnvironment());
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForStarted())
        return result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    result.crashed = process.exitStatus() != QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = process.readAllStandardError();
    return result;
}

ProcessResult runEditor(const QStringList &arguments, const QString &workingFolder,
                        int quitAfterMs) {
    QProcess process;
    process.setProcessEnvironment(editorEnvironment());
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(TARQ_EDITOR_EXE), arguments);
    ProcessResult result;
    if (!process.waitForStarted())
        return result;
    if (!process.waitForFinished(quitAfterMs)) {
        process.terminate(); // the editor ends its event loop and writes its settings back
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished();
        }
    }
    result.crashed = process.exitStatus() != QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = process.readAllStandardError();
    return result;
}
