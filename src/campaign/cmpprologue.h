#pragma once

#include <QSharedPointer>
#include <QString>

#include <cstdint>

// One prologue or epilogue page. Shared between the scenario and the pages that show it, and
// never changed in place: an edit builds a new page and replaces the scenario's reference.
struct CmpPrologue {
    uint8_t video = 0; // index into the catalogue's campaign video list
    uint8_t music = 0; // index into the campaign music list
    QString text;
};

// An optional page: null means no page in that slot.
using CmpPrologueRef = QSharedPointer<const CmpPrologue>;

inline CmpPrologueRef makePrologue(uint8_t video, uint8_t music, const QString &text) {
    return CmpPrologueRef(new CmpPrologue{video, music, text});
}
