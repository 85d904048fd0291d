#include "gamedata/settingsfile.h"

#include "gamedata/tstream.h"

#include <algorithm>
#include <limits>

void SettingsFile::open(const QString &path) {
    filePath = path;
    QByteArray bytes;
    if (auto stream = openFileStream(path, TFileStream::ReadOnly)) {
        bytes.resize(int(stream->size()));
        stream->seek(0, TStream::FromStart);
        if (!bytes.isEmpty() && !stream->read(bytes.data(), uint32_t(bytes.size())))
            bytes.clear();
    }
    parse(bytes);
}

void SettingsFile::parse(const QByteArray &bytes) {
    sectionList.clear();
    // "[" always starts a section name and "]" ends it; the body runs to the next "[".
    int at = bytes.indexOf('[');
    while (at >= 0) {
        const int nameEnd = bytes.indexOf(']', at + 1);
        const int nextOpen = bytes.indexOf('[', at + 1);
        if (nameEnd < 0)
            break;
        if (nextOpen >= 0 && nextOpen < nameEnd) {
            at = nextOpen; // a new name began before this one was closed
            continue;
        }
        const QByteArray name = bytes.mid(at + 1, nameEnd - at - 1);
        const int bodyEnd = nextOpen < 0 ? bytes.size() : nextOpen;
        takeBody(name, bytes.mid(nameEnd + 1, bodyEnd - nameEnd - 1));
        at = nextOpen;
    }
}

void SettingsFile::takeBody(const QByteArray &name, const QByteArray &body) {
    QVector<Entry> entries;
    int lineStart = 0;
    for (int i = 0; i <= body.size(); ++i) {
        if (i < body.size() && body[i] != '\r' && body[i] != '\n')
            continue;
        const QByteArray line = body.mid(lineStart, i - lineStart);
        lineStart = i + 1;
        // Lines without "=" carry no setting; the editor never writes such lines.
        const int equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals);
        QByteArray value = line.mid(equals + 1);
        value.replace('=', QByteArray()); // further "=" bytes on the line are dropped
        auto existing = std::find_if(entries.begin(), entries.end(),
                                     [&](const Entry &entry) { return entry.key == key; });
        if (existing != entries.end())
            existing->value = value;
        else
            entries.append(Entry{key, value});
    }
    for (Section &section : sectionList) {
        if (section.name == name) {
            section.entries = entries; // a repeated section keeps its first place
            return;
        }
    }
    sectionList.append(Section{name, entries});
}

const SettingsFile::Entry *SettingsFile::findEntry(const QByteArray &section,
                                                   const QByteArray &key) const {
    for (const Section &s : sectionList) {
        if (s.name != section)
            continue;
        for (const Entry &entry : s.entries) {
            if (entry.key == key)
                return &entry;
        }
        return nullptr;
    }
    return nullptr;
}

int settingsValueToInt(const QByteArray &value) {
    QByteArray kept;
    for (char c : value) {
        if ((c >= '0' && c <= '9') || c == '-')
            kept.append(c);
    }
    int i = 0;
    bool negative = false;
    if (i < kept.size() && kept[i] == '-') {
        negative = true;
        ++i;
    }
    int64_t number = 0;
    for (; i < kept.size() && kept[i] >= '0' && kept[i] <= '9'; ++i) {
        number = number * 10 + (kept[i] - '0');
        if (number > int64_t(std::numeric_limits<int>::max()) + 1)
            number = int64_t(std::numeric_limits<int>::max()) + 1;
    }
    if (negative)
        number = -number;
    if (number > std::numeric_limits<int>::max())
        number = std::numeric_limits<int>::max();
    return int(number);
}

int SettingsFile::getInt(const QByteArray &section, const QByteArray &key, int defaultValue) const {
    const Entry *entry = findEntry(section, key);
    return entry ? settingsValueToInt(entry->value) : defaultValue;
}

QByteArray SettingsFile::getText(const QByteArray &section, const QByteArray &key,
                                 const QByteArray &defaultValue) const {
    const Entry *entry = findEntry(section, key);
    return entry ? entry->value : defaultValue;
}

void SettingsFile::setText(const QByteArray &section, const QByteArray &key,
                           const QByteArray &value) {
    for (Section &s : sectionList) {
        if (s.name != section)
            continue;
        for (Entry &entry : s.entries) {
            if (entry.key == key) {
                entry.value = value;
                return;
            }
        }
        s.entries.append(Entry{key, value});
        return;
    }
    sectionList.append(Section{section, {Entry{key, value}}});
}

QByteArray SettingsFile::serialize() const {
    QByteArray text;
    for (const Section &section : sectionList) {
        text += '[' + section.name + "]\r\n\r\n";
        for (const Entry &entry : section.entries)
            text += entry.key + '=' + entry.value + "\r\n";
        text += "\r\n\r\n";
    }
    // The file ends with one CR LF after the blank line that follows the last entries.
    text.chop(2);
    return text;
}

bool SettingsFile::save() const {
    auto stream = openFileStream(filePath, TFileStream::Create);
    if (!stream)
        return false;
    const QByteArray text = serialize();
    return stream->write(text.constData(), uint32_t(text.size()));
}

SettingsFile &sharedSettings() {
    static SettingsFile settings;
    return settings;
}
