#include "app/startup.h"

#include "app/commandline.h"
#include "app/editorresources.h"
#include "app/filedialogchooser.h"
#include "app/fusionstyletweaks.h"
#include "app/languagechoice.h"
#include "app/mainwindow.h"
#include "app/messageboxreporter.h"
#include "app/unixsignals.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/gamefolder.h"
#include "gamedata/imagecache.h"
#include "gamedata/messages.h"
#include "gamedata/moddatafile.h"
#include "gamedata/settingsfile.h"
#include "gamedata/textcodec.h"
#include "gamedata/tstream.h"
#include "sound/musicplayer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPixmap>
#include <QSplashScreen>
#include <QTextCodec>
#include <QTranslator>

#include <memory>

namespace {

// A start from the operating system's own folder (a file association or a shortcut left the
// program there) falls back to the program's folder.
void fixWorkingDirectory() {
#ifdef Q_OS_WIN
    const QString systemFolder = QDir::fromNativeSeparators(qEnvironmentVariable("SystemRoot")) +
                                 QStringLiteral("/System32");
#else
    const QString systemFolder = QStringLiteral("/");
#endif
    if (QDir::current() == QDir(systemFolder))
        QDir::setCurrent(QCoreApplication::applicationDirPath());
}

void readSettingsFile(SettingsFile &settings) {
    const QString path = gamePath(QStringLiteral("Tarq_settings.ini"));
    if (!QFileInfo(path).isFile()) {
        Messages::fatal(QCoreApplication::translate("main", "Error"),
                        QCoreApplication::translate(
                            "main", "Veldmark Campaign Editor cannot be launched because "
                                    "Tarq_settings.ini was not found. \nTarq_settings.ini must "
                                    "be in Veldmark root folder."),
                        1);
    }
    settings.open(path);
}

void readModData() {
    auto stream = openFileStream(gamePath(QStringLiteral("tarq.dat")), TFileStream::ReadOnly);
    if (!stream) {
        Messages::fatal(QCoreApplication::translate("main", "Error"),
                        QCoreApplication::translate(
                            "main", "Campaign Editor cannot be launched because Tarq.dat was not "
                                    "found. \nTarq.dat must be in Veldmark root folder."),
                        1);
    }
    modRecords() = readModDataFile(*stream);
}

void chooseTextCodec(const SettingsFile &settings, int language) {
    const QByteArray name =
        gameTextCodecName(language, settings.getText("Global Settings", "Tarq.dat Text Encoding"));
    QTextCodec *codec = QTextCodec::codecForName(name);
    if (!codec) {
        Messages::fatal(QCoreApplication::translate("main", "Error"),
                        QCoreApplication::translate("main", "Error in Tarq_Settings.ini: field "
                                                            "\"Tarq.dat Text Encoding\" is "
                                                            "invalid."),
                        1);
    }
    setTextCodec(codec);
}

// The game's own translations come first. An installed editor falls back on the ones installed
// beside it, and on the toolkit's translations folder for the toolkit's own texts.
QStringList translationFolders() {
    return {gamePath(QStringLiteral("Tarq_Data/")),
            QCoreApplication::applicationDirPath() +
                QStringLiteral("/" TARQ_INSTALLED_TRANSLATIONS_FROM_PROGRAM "/"),
            QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QLatin1Char('/')};
}

QPixmap splashPicture(int language) {
    return QPixmap(language == 1 ? QStringLiteral(":/icons/tarq_vadoz_ru.png")
                                 : QStringLiteral(":/icons/tarq_vadoz_en.png"));
}

} // namespace

int runEditor(int argc, char *argv[]) {
    if (answerHelpOrVersion(argc, argv))
        return 0;
    registerEditorResources();
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    installEditorReporter();
    static FileDialogChooser fileDialogs;
    FileChooser::install(&fileDialogs);
    const QStringList arguments = takeGameFolderArgument(QCoreApplication::arguments());

    QApplication::setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    fixWorkingDirectory();
    QApplication::setStyle(new FusionStyleTweaks); // the application owns the style
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    imageCache(); // created empty here, lives for the whole run

    SettingsFile &settings = sharedSettings();
    readSettingsFile(settings);
    readModData();

    const int language = settings.getInt("Global Settings", "Language", -1);
    std::unique_ptr<QTranslator> translators[2];
    installTranslators(language, translationFolders(), translators);
    chooseTextCodec(settings, language);
    setGameCatalogue(buildGameCatalogue(textCodec()));

    std::unique_ptr<MusicPlayer> player;
    {
        QSplashScreen splash(splashPicture(settings.getInt("Global Settings", "Language", -1)));
        splash.show();
        QCoreApplication::processEvents();
        MainWindow window;
        player = std::make_unique<MusicPlayer>();
        player->initMusicPlayer();
        window.openFromCommandLine(arguments);
        QCoreApplication::processEvents();
        window.show();
        splash.finish(&window);
        imageCache().preloadOpaquePicture(QStringLiteral("cmpdash.pcx"));
        quitEventLoopOnTerminationSignals();
        QApplication::exec();
    }

    settings.save(); // silently not written when the file cannot be written
    modRecords().clear();
    player.reset();
    return 0;
}
