#include "bytewriter.h"
#include "demodescription.h"
#include "demogame.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>

namespace {

constexpr int SampleRate = 22050;

// A short tune in a minor mode, different for every name: a plucked melody over a drone.
QByteArray synthesiseTune(const QString &name) {
    static const int scale[] = {0, 2, 3, 5, 7, 8, 10, 12};
    uint32_t seed = qHash(name) | 1u;
    auto next = [&seed]() {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        return seed;
    };
    const double root = 196.0 * std::pow(2.0, double(next() % 5) / 12.0);
    const int noteCount = 12;
    const int noteLength = SampleRate / 4;
    QVector<int16_t> samples(noteCount * noteLength + SampleRate / 2);
    for (int note = 0; note < noteCount; ++note) {
        const double frequency = root * std::pow(2.0, scale[next() % 8] / 12.0);
        for (int i = 0; i < noteLength; ++i) {
            const double t = double(i) / SampleRate;
            const double envelope = std::exp(-4.0 * t);
            const double melody = std::sin(2 * M_PI * frequency * t) * envelope;
            const double drone =
                0.3 * std::sin(2 * M_PI * root / 2 * (note * noteLength + i) / SampleRate);
            samples[note * noteLength + i] = int16_t(9000 * (melody + drone));
        }
    }
    ByteWriter wav;
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    wav.raw("RIFF");
    wav.u32(36 + dataBytes);
    wav.raw("WAVEfmt ");
    wav.u32(16);
    wav.u16(1); // PCM
    wav.u16(1); // mono
    wav.u32(SampleRate);
    wav.u32(SampleRate * 2);
    wav.u16(2);
    wav.u16(16);
    wav.raw("data");
    wav.u32(dataBytes);
    for (int16_t sample : samples)
        wav.u16(uint16_t(sample));
    return wav.data();
}

} // namespace

bool writeMusic(const QString &gameDir, const DemoOptions &options, QString *error) {
    if (!options.music)
        return true;
    QTemporaryDir scratch;
    const QStringList names = demoMusicTableNames() + demoModMusicNames();
    for (const QString &name : names) {
        const QString wavPath = scratch.filePath(QStringLiteral("tune.wav"));
        if (!writeGameFile(scratch.path(), QStringLiteral("tune.wav"), synthesiseTune(name), error))
            return false;
        const QString mp3Path = gameDir + QStringLiteral("/MP3/") + name + QStringLiteral(".mp3");
        QDir().mkpath(gameDir + QStringLiteral("/MP3"));
        QProcess lame;
        lame.start(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("-b"),
                                            QStringLiteral("64"), wavPath, mp3Path});
        if (!lame.waitForFinished(60000) || lame.exitStatus() != QProcess::NormalExit ||
            lame.exitCode() != 0) {
            *error =
                QStringLiteral("the MP3 encoder lame failed for %1 (is it installed?)").arg(name);
            return false;
        }
    }
    return true;
}
