#pragma once

#include <QByteArray>

// Gzip members in memory: campaign files hold one member of campaign data followed by the
// embedded maps, which are normally gzip members of their own.

// Deflate never expands data by more than this factor, so a size claimed by a member's trailer
// beyond it is a lie that must not be trusted for allocation.
constexpr qint64 maximumInflateRatio = 1032;
// The largest map of the game is well under 10 MB uncompressed; a member that inflates beyond
// this is damaged (or built to exhaust memory) and is refused before it can.
constexpr qint64 largestInflatedMember = qint64(256) << 20;
// A size claimed by a trailer is trusted for a first allocation up to this much; beyond it
// the output grows with what is actually inflated.
constexpr qint64 largestFirstAllocation = qint64(32) << 20;

// Resizes without the toolkit's doubling growth, which would allocate up to twice the size:
// more room is reserved exactly; room already there is reused.
void resizeExactly(QByteArray &bytes, qint64 size);

// True when the bytes begin with the gzip magic bytes 1F 8B.
bool startsWithGzipMagic(const QByteArray &bytes);

// Inflates the gzip member at the start of `input` into `output`; members that inflate to more
// than `largestInflatedMember` are refused. On success `consumed` is the
// number of input bytes the member takes, up to and including its trailer, so that what follows
// the member can be found exactly. Fails on a damaged member, on a dictionary request and on
// input that ends before the member does; bytes after the member are left alone. When the
// input is expected to end with the member (an embedded map), the size its trailer records is
// used to allocate the output once.
bool inflateGzipMember(const char *input, qint64 inputSize, QByteArray *output, qint64 *consumed,
                       bool inputEndsWithMember);

// One gzip member with the bytes a gzip file opened for writing with mode "wb" holds after
// they were written to it and it was closed: deflate at the default level, no file name, no
// time stamp.
QByteArray deflateGzipMember(const QByteArray &data);
