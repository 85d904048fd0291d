#include "gamedata/loddirectory.h"

#include <algorithm>

LodDirectory::LodDirectory(QVector<Item> items) : sorted(std::move(items)) {
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Item &a, const Item &b) { return a.key < b.key; });
    // Among equal keys the stable sort keeps file order; the last one replaces the others.
    auto out = sorted.begin();
    for (auto it = sorted.begin(); it != sorted.end(); ++it) {
        if (std::next(it) != sorted.end() && std::next(it)->key == it->key)
            continue;
        if (out != it)
            *out = std::move(*it);
        ++out;
    }
    sorted.erase(out, sorted.end());
}

const LodEntry *LodDirectory::find(const QString &key) const {
    const auto it =
        std::lower_bound(sorted.begin(), sorted.end(), key,
                         [](const Item &item, const QString &k) { return item.key < k; });
    return it != sorted.end() && it->key == key ? &it->entry : nullptr;
}

LodEntry LodDirectory::value(const QString &key) const {
    const LodEntry *entry = find(key);
    return entry ? *entry : LodEntry();
}

QStringList LodDirectory::keys() const {
    QStringList result;
    result.reserve(sorted.size());
    for (const Item &item : sorted)
        result.append(item.key);
    return result;
}
