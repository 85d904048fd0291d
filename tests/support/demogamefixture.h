#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Writes a demo game into folder (without music unless "--with-music" is among the arguments);
// returns false and a reason when it fails. The generator is deterministic, so each variant is
// generated once per build into a cache beside the test programs and copied from there.
bool makeDemoGame(const QString &folder, const QStringList &extraArguments = {},
                  QString *error = nullptr);
// Runs the generator itself into folder, bypassing the cache.
bool generateDemoGame(const QString &folder, const QStringList &extraArguments = {},
                      QString *error = nullptr);

// The result of running a program to its end.
struct ProcessResult {
    int exitCode = -1;
    bool crashed = false;
    QByteArray standardOutput;
    QByteArray standardError;
};

// Runs the editor with TARQ_EDITOR_MESSAGES=stderr and an offscreen screen; it is ended with
// the quit request after quitAfterMs when it is still running then.
ProcessResult runEditor(const QStringList &arguments, const QString &workingFolder = QString(),
                        int quitAfterMs = 3000);
ProcessResult runProgram(const QString &program, const QStringList &arguments,
                         const QString &workingFolder = QString(), int timeoutMs = 60000);
