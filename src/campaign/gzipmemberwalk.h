#pragma once

#include <QtGlobal>

#include <optional>

// Where a gzip member ends and how many bytes its blocks inflate to.
struct GzipMemberExtent {
    qint64 memberSize = 0; // header, compressed blocks and the 8-byte trailer
    qint64 inflatedSize = 0;
};

// Walks the gzip member at the start of `input` without inflating it: every block's codes and
// symbols are decoded, but nothing is copied and no check sum is computed. Gives the member's
// extent when zlib reads each part of it the one way every inflater does: a header without a
// header check sum, code-length counts within the alphabets, complete codes, no code-length
// repeat past the last length, only length and distance symbols of the alphabets, distances
// within the bytes inflated so far, and every bit within the input. Gives nothing otherwise:
// there whole-buffer inflaters part ways with zlib (some accept what zlib refuses), so zlib
// has to judge the member itself. The trailer's check sum and length are not looked at.
std::optional<GzipMemberExtent> walkGzipMember(const uchar *input, qint64 size);
