// The editor's compiled translations and the toolkit's Russian one, copied into Tarq_Data where
// the editor looks for them at start-up.

#include "demogame.h"

#include <QFile>
#include <QLibraryInfo>

#include <cstdio>

namespace {

bool copyIntoTarqData(const QString &gameDir, const QString &source, QString *error) {
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(source, file.errorString());
        return false;
    }
    const QString name = source.section(QLatin1Char('/'), -1);
    return writeGameFile(gameDir, QStringLiteral("Tarq_Data/") + name, file.readAll(), error);
}

} // namespace

bool writeTranslations(const QString &gameDir, QString *error) {
    const QString editorTranslations = QStringLiteral(TARQ_TRANSLATIONS_DIR);
    for (const char *name : {"cmp_en.qm", "cmp_ru.qm"}) {
        if (!copyIntoTarqData(gameDir, editorTranslations + QLatin1Char('/') + QLatin1String(name),
                              error))
            return false;
    }
    // The toolkit's own texts (standard buttons, file dialogs) come from the system's Qt
    // translations; without them the Russian editor still runs, with English standard buttons.
    const QString qtbase =
        QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm");
    if (!QFile::exists(qtbase)) {
        std::fprintf(stderr, "tarq-demo-game: %s is missing (package qttranslations5-l10n)\n",
                     qPrintable(qtbase));
        return true;
    }
    return copyIntoTarqData(gameDir, qtbase, error);
}
