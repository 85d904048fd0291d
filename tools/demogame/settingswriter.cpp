#include "demogame.h"

bool writeSettingsFile(const QString &gameDir, const DemoOptions &options, QString *error) {
    const QByteArray language = options.language == DemoLanguage::Russian ? "1" : "0";
    const QByteArray text = "[Global Settings]\r\n\r\n"
                            "Language=" +
                            language +
                            "\r\n"
                            "Tarq.dat Text Encoding=\r\n"
                            "Resolution=1024x768\r\n"
                            "Music Volume=5\r\n"
                            "Sound Volume=5\r\n"
                            "\r\n\r\n"
                            "[Map Editor]\r\n\r\n"
                            "Path=\r\n"
                            "Show Grid=1\r\n"
                            "\r\n\r\n"
                            "[Campaign Editor]\r\n\r\n"
                            "Path=\r\n"
                            "\r\n";
    return writeGameFile(gameDir, QStringLiteral("Tarq_settings.ini"), text, error);
}
