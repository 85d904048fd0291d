#include "gamedataloader.h"

#include "app/languagechoice.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/gamefolder.h"
#include "gamedata/moddatafile.h"
#include "gamedata/settingsfile.h"
#include "gamedata/textcodec.h"
#include "gamedata/tstream.h"

#include <QTextCodec>

bool loadTextCodec(QString *error) {
    const SettingsFile settings(gamePath(QStringLiteral("Tarq_settings.ini")));
    const int language = settings.getInt("Global Settings", "Language", -1);
    const QByteArray name =
        gameTextCodecName(language, settings.getText("Global Settings", "Tarq.dat Text Encoding"));
    QTextCodec *codec = QTextCodec::codecForName(name);
    if (!codec) {
        *error = QStringLiteral("%1: unknown text encoding \"%2\"")
                     .arg(settings.path(), QString::fromLatin1(name));
        return false;
    }
    setTextCodec(codec);
    return true;
}

bool loadGameCatalogue(QString *error) {
    if (!loadTextCodec(error))
        return false;
    const QString modData = gamePath(QStringLiteral("tarq.dat"));
    auto stream = openFileStream(modData, TFileStream::ReadOnly);
    if (!stream) {
        *error = QStringLiteral("%1: cannot read the mod's data file").arg(modData);
        return false;
    }
    modRecords() = readModDataFile(*stream);
    setGameCatalogue(buildGameCatalogue(textCodec()));
    return true;
}
