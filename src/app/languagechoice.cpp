#include "app/languagechoice.h"

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
