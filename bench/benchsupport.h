#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

// Prints one figure line: "name: value unit".
inline void printFigure(const char *name, double value, const char *unit) {
    std::printf("%s: %.2f %s\n", name, value, unit);
    std::fflush(stdout);
}

// The median of `runs` timings of body, in milliseconds.
template <typename Body> double medianMs(int runs, Body body) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        body();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Writes a demo game with the project's generator; false when it fails.
inline bool generateDemoGame(const QString &folder, const QStringList &extraArguments = {}) {
    QProcess generator;
    generator.start(QStringLiteral(TARQ_DEMO_GAME_EXE), QStringList{QStringLiteral("--no-music")} +
                                                            extraArguments + QStringList{folder});
    return generator.waitForFinished(600000) && generator.exitCode() == 0;
}
