#include "sound/milesmusicbackend.h"

#ifdef Q_OS_WIN

#include "gamedata/gamefolder.h"
#include "gamedata/logging.h"
#include "gamedata/messages.h"

#include <QCoreApplication>
#include <QDir>

#include <windows.h>

namespace {

// The library's exports in the order the entry points are kept. Each is exported under a
// decorated name: "_", the name, "@" and the bytes of its arguments.
enum Export {
    SampleVolumeLevels,
    StreamVolumeLevels,
    SetSampleVolumeLevels,
    SetStreamVolumeLevels,
    SetPreference,
    GetPreference,
    StartSample,
    InitSample,
    StreamStatus,
    Serve,
    AllocateSampleHandle,
    WaveOutClose,
    DigitalConfiguration,
    StreamPosition,
    SetStreamLoopCount,
    OpenStream,
    StartStream,
    SetStreamPosition,
    Hwnd,
    SetSampleFile,
    SetSampleLoopCount,
    ServiceStream,
    PauseStream,
    WaveOutOpen,
    StopSample,
    SampleStatus,
    ResumeSample,
    CloseStream,
    EndSample,
    Shutdown,
    Startup,
    LastError,
    OpenDigitalDriver,
    SetRedistDirectory,
    ExportCount
};

struct ExportName {
    const char *name;
    int argumentBytes;
};

const ExportName exportNames[] = {
    {"AIL_sample_volume_levels", 12},
    {"AIL_stream_volume_levels", 12},
    {"AIL_set_sample_volume_levels", 12},
    {"AIL_set_stream_volume_levels", 12},
    {"AIL_set_preference", 8},
    {"AIL_get_preference", 4},
    {"AIL_start_sample", 4},
    {"AIL_init_sample", 4},
    {"AIL_stream_status", 4},
    {"AIL_serve", 0},
    {"AIL_allocate_sample_handle", 4},
    {"AIL_waveOutClose", 4},
    {"AIL_digital_configuration", 16},
    {"AIL_stream_position", 4},
    {"AIL_set_stream_loop_count", 8},
    {"AIL_open_stream", 12},
    {"AIL_start_stream", 4},
    {"AIL_set_stream_position", 8},
    {"AIL_HWND", 0},
    {"AIL_set_sample_file", 12},
    {"AIL_set_sample_loop_count", 8},
    {"AIL_service_stream", 8},
    {"AIL_pause_stream", 8},
    {"AIL_waveOutOpen", 16},
    {"AIL_stop_sample", 4},
    {"AIL_sample_status", 4},
    {"AIL_resume_sample", 4},
    {"AIL_close_stream", 4},
    {"AIL_end_sample", 4},
    {"AIL_shutdown", 0},
    {"AIL_startup", 0},
    {"AIL_last_error", 0},
    {"AIL_open_digital_driver", 16},
    {"AIL_set_redist_directory", 4},
};
static_assert(sizeof(exportNames) / sizeof(exportNames[0]) == ExportCount,
              "one decorated name per entry point");
static_assert(ExportCount == MilesMusicBackend::EntryPointCount, "every entry point is kept");

// The calls the editor makes; every entry point uses the standard Windows calling convention.
using StartupFunction = int(WINAPI *)();
using OpenDigitalDriverFunction = void *(WINAPI *)(unsigned rate, int bits, int channels,
                                                   unsigned flags);
using SetRedistDirectoryFunction = char *(WINAPI *)(const char *directory);
using AllocateSampleHandleFunction = void *(WINAPI *)(void *driver);
using OpenStreamFunction = void *(WINAPI *)(void *driver, const char *fileName, int memory);
using SetStreamLoopCountFunction = void(WINAPI *)(void *stream, int loopCount);
using StartStreamFunction = void(WINAPI *)(void *stream);
using PauseStreamFunction = void(WINAPI *)(void *stream, int pause);
using CloseStreamFunction = void(WINAPI *)(void *stream);

constexpr unsigned SampleRate = 44100;
constexpr int SampleBits = 16;
constexpr int Channels = 2;

QByteArray decoratedName(const ExportName &entry) {
    return QByteArray("_") + entry.name + '@' + QByteArray::number(entry.argumentBytes);
}

} // namespace

bool MilesMusicBackend::openDevice() {
    // Relative to the working directory, which start-up has fixed to the program's folder.
    HMODULE module = LoadLibraryA("Tarq_Data\\mss32.dll");
    if (!module) {
        qCWarning(logSound, "No mss32.dll");
        Messages::installed()->exitProgram(0);
    }
    library = module;
    // A missing export stays empty; the call through it is then left out.
    for (int i = 0; i < EntryPointCount; ++i) {
        entryPoints[i] = reinterpret_cast<EntryPoint>(
            GetProcAddress(module, decoratedName(exportNames[i]).constData()));
    }

    stream = nullptr;
    driver = nullptr;
    if (auto startup = entryPoint<StartupFunction>(Startup))
        startup();
    if (auto openDriver = entryPoint<OpenDigitalDriverFunction>(OpenDigitalDriver))
        driver = openDriver(SampleRate, SampleBits, Channels, 0);
    if (!driver)
        return false;

    redistDirectory = QDir(gameFolder()).absolutePath().toUtf8();
    if (auto setRedist = entryPoint<SetRedistDirectoryFunction>(SetRedistDirectory))
        setRedist(redistDirectory.constData());
    if (auto allocate = entryPoint<AllocateSampleHandleFunction>(AllocateSampleHandle)) {
        for (Handle &sample : sampleHandles) {
            sample = allocate(driver);
            if (!sample)
                break;
        }
    }
    return true;
}

QString MilesMusicBackend::deviceFailure() const {
    return QCoreApplication::translate("MusicPlayer",
                                       "The digital audio driver of Tarq_Data\\mss32.dll failed. "
                                       "Choose another output device in the sound settings of "
                                       "Windows.");
}

bool MilesMusicBackend::startStream(const QString &path, int loopCount) {
    closeStream();
    auto openStream = entryPoint<OpenStreamFunction>(OpenStream);
    if (!driver || !openStream)
        return false;
    const QByteArray fileName = path.toUtf8();
    stream = openStream(driver, fileName.constData(), 0);
    qCDebug(logSound) << "FUNC: " << reinterpret_cast<const void *>(openStream);
    if (!stream)
        return false;
    if (auto setLoopCount = entryPoint<SetStreamLoopCountFunction>(SetStreamLoopCount))
        setLoopCount(stream, loopCount);
    if (auto start = entryPoint<StartStreamFunction>(StartStream))
        start(stream);
    return true;
}

void MilesMusicBackend::pauseStream() {
    if (!stream)
        return;
    if (auto pause = entryPoint<PauseStreamFunction>(PauseStream))
        pause(stream, 1);
}

void MilesMusicBackend::closeStream() {
    if (!stream)
        return;
    if (auto close = entryPoint<CloseStreamFunction>(CloseStream))
        close(stream);
    stream = nullptr;
}

#endif
