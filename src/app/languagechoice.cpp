#include "app/languagechoice.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>

QStringList translationFiles(int language) {
    switch (language) {
    case -1:
    case 0:
    case 2:
        return {QStringLiteral("cmp_en.qm")};
    case 1:
        return {QStringLiteral("cmp_ru.qm"), QStringLiteral("qtbase_ru.qm")};
    default:
        return {};
    }
}

QByteArray gameTextCodecName(int language, const QByteArray &encodingSetting) {
    switch (language) {
    case -1:
    case 1:
        return "Windows-1251";
    case 0:
        return "Windows-1252";
    default:
        return encodingSetting.isEmpty() ? QByteArray("Windows-1252") : encodingSetting;
    }
}

void installTranslators(int language, const QStringList &folders,
                        std::unique_ptr<QTranslator> translators[2]) {
    const QStringList files = translationFiles(language);
    for (int i = 0; i < 2; ++i) {
        translators[i] = std::make_unique<QTranslator>();
        for (int f = 0; i < files.size() && f < folders.size(); ++f) {
            if (QFileInfo::exists(folders[f] + files[i])) {
                translators[i]->load(folders[f] + files[i]);
                break;
            }
        }
        QCoreApplication::installTranslator(translators[i].get());
    }
}
