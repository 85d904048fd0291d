#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <cstddef>
#include <cstdint>
#include <iterator>

// One 32-byte directory record of a .lod archive.
struct LodEntry {
    QString name;            // as stored, Latin-1, at most 16 characters
    uint32_t offset = 0;     // from the beginning of the archive file
    uint32_t size = 0;       // length of the data once unpacked
    uint32_t kind = 0;       // read, not used
    uint32_t packedSize = 0; // 0: stored as is; otherwise a zlib stream of this many bytes
};

// The directory of one archive: an ordered map from lower-case entry name to entry, kept as a
// sorted array. The game's archives hold tens of thousands of entries and are read once, so
// one sort beats as many tree insertions.
class LodDirectory {
public:
    struct Item {
        QString key;
        LodEntry entry;
    };

    // Walks the entries in key order, as a range-for over a map walks its values.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = LodEntry;
        using difference_type = std::ptrdiff_t;
        using pointer = const LodEntry *;
        using reference = const LodEntry &;

        explicit const_iterator(QVector<Item>::const_iterator at) : at(at) {}
        const LodEntry &operator*() const { return at->entry; }
        const LodEntry *operator->() const { return &at->entry; }
        const_iterator &operator++() {
            ++at;
            return *this;
        }
        bool operator==(const const_iterator &other) const { return at == other.at; }
        bool operator!=(const const_iterator &other) const { return at != other.at; }

    private:
        QVector<Item>::const_iterator at;
    };

    LodDirectory() = default;
    // Items in file order; of two items with one key the later is kept.
    explicit LodDirectory(QVector<Item> items);

    const LodEntry *find(const QString &key) const;
    bool contains(const QString &key) const { return find(key) != nullptr; }
    LodEntry value(const QString &key) const;
    QStringList keys() const;
    int size() const { return sorted.size(); }
    bool isEmpty() const { return sorted.isEmpty(); }
    const_iterator begin() const { return const_iterator(sorted.cbegin()); }
    const_iterator end() const { return const_iterator(sorted.cend()); }

private:
    QVector<Item> sorted;
};
