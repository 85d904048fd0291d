#include "demogamefixture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLockFile>
#include <QProcessEnvironment>

namespace {

// A generous limit: the generator draws every picture and compresses every map, which takes a
// while in a sanitizer build on a busy machine.
constexpr int generatorTimeoutMs = 10 * 60 * 1000;

bool copyFolder(const QString &from, const QString &to) {
    QDirIterator files(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

// When the newest input of the cached demo game changed: the generator itself and the compiled
// translations it copies.
QDateTime newestGeneratorInput() {
    QDateTime newest = QFileInfo(QStringLiteral(TARQ_DEMO_GAME_EXE)).lastModified();
    const QFileInfoList files = QDir(QStringLiteral(TARQ_TRANSLATIONS_DIR))
                                    .entryInfoList({QStringLiteral("*.qm")}, QDir::Files);
    for (const QFileInfo &file : files)
        newest = qMax(newest, file.lastModified());
    return newest;
}

} // namespace

bool makeDemoGame(const QString &folder, const QStringList &extraArguments, QString *error) {
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(extraArguments.join(QLatin1Char('\n')).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(12));
    const QString cacheRoot =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../demo-game-cache");
    QDir().mkpath(cacheRoot);
    const QString cached = cacheRoot + QLatin1Char('/') + key;
    const QString marker = cached + QStringLiteral(".complete");

    // Tests run in parallel: one process generates while the others wait for it.
    QLockFile lock(cached + QStringLiteral(".lock"));
    lock.setStaleLockTime(generatorTimeoutMs + 60000);
    if (!lock.lock()) {
        if (error)
            *error = QStringLiteral("cannot lock the demo game cache %1").arg(cached);
        return false;
    }
    const QFileInfo done(marker);
    if (!done.exists() || done.lastModified() < newestGeneratorInput()) {
        QFile::remove(marker);
        QDir(cached).removeRecursively();
        if (!generateDemoGame(cached, extraArguments, error))
            return false;
        QFile stamp(marker);
        stamp.open(QIODevice::WriteOnly);
    }
    lock.unlock();
    if (!copyFolder(cached, folder)) {
        if (error)
            *error = QStringLiteral("cannot copy the demo game into %1").arg(folder);
        return false;
    }
    return true;
}

bool generateDemoGame(const QString &folder, const QStringList &extraArguments, QString *error) {
    QStringList arguments = extraArguments;
    if (!arguments.contains(QStringLiteral("--with-music")))
        arguments.prepend(QStringLiteral("--no-music"));
    else
        arguments.removeAll(QStringLiteral("--with-music"));
    arguments.append(folder);
    const ProcessResult result =
        runProgram(QStringLiteral(TARQ_DEMO_GAME_EXE), arguments, QString(), generatorTimeoutMs);
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
    environment.remove(QStringLiteral("QT_LOGGING_RULES")); // traces off, as for a user
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

ProcessResult runEditor(const QStringList &arguments, const QString &workingFolder,
                        int quitAfterMs) {
    return runProgram(QStringLiteral(TARQ_EDITOR_EXE), arguments, workingFolder, quitAfterMs);
}
