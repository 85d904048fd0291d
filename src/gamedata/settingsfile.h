#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The settings file shared with the game's mod ("Tarq_settings.ini"). Sections, keys and values
// are kept as bytes in their first-seen order, so that writing the file back keeps everything
// the game put there. Lookups are exact and case-sensitive.
class SettingsFile {
public:
    struct Entry {
        QByteArray key;
        QByteArray value;
    };
    struct Section {
        QByteArray name;
        QVector<Entry> entries;
    };

    SettingsFile() = default;
    explicit SettingsFile(const QString &path) { open(path); }

    // Reads the file; a missing file gives no sections.
    void open(const QString &path);
    // Parses file contents; the path stays as it is.
    void parse(const QByteArray &bytes);

    int getInt(const QByteArray &section, const QByteArray &key, int defaultValue) const;
    QByteArray getText(const QByteArray &section, const QByteArray &key,
                       const QByteArray &defaultValue = QByteArray()) const;
    void setText(const QByteArray &section, const QByteArray &key, const QByteArray &value);

    // The bytes save() writes.
    QByteArray serialize() const;
    // Writes the file; false when it cannot be written.
    bool save() const;

    QString path() const { return filePath; }
    const QVector<Section> &sections() const { return sectionList; }

private:
    const Entry *findEntry(const QByteArray &section, const QByteArray &key) const;
    void takeBody(const QByteArray &name, const QByteArray &body);

    QString filePath;
    QVector<Section> sectionList;
};

// The decimal reading of a settings value: every byte that is not a digit or "-" is removed
// (nothing left reads as 0), then an optional sign and the digits up to the first non-digit.
int settingsValueToInt(const QByteArray &value);

// The settings file of the running editor, read at start-up and written back at exit.
SettingsFile &sharedSettings();
