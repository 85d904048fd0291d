#pragma once

#include <QByteArray>

// Gzip members in memory: campaign files hold one member of campaign data followed by the
// embedded maps, which are normally gzip members of their own.

// True when the bytes begin with the gzip magic bytes 1F 8B.
bool startsWithGzipMagic(const QByteArray &bytes);

// Inflates the gzip member at the start of `input` into `output`; members that inflate to more
// than 256 MiB are refused. On success `consumed` is the
// number of input bytes the member takes, up to and including its trailer, so that what follows
// the member can be found exactly. Fails on a damaged member, on a dictionary request and on
// input that ends before the member does; bytes after the member are left alone. When the
// input is expected to end with the member (an embedded map), the size its trailer records is
// used to allocate the output once.
bool inflateGzipMember(const char *input, qint64 inputSize, QByteArray *output, qint64 *consumed,
                       bool inputEndsWithMember);
// Inflates an embedded map: a whole gzip member.
inline bool inflateGzipMember(const QByteArray &input, QByteArray *output) {
    return inflateGzipMember(input.constData(), input.size(), output, nullptr, true);
}

// One gzip member with the bytes a gzip file opened for writing with mode "wb" holds after
// they were written to it and it was closed: deflate at the default level, no file name, no
// time stamp.
QByteArray deflateGzipMember(const QByteArray &data);
