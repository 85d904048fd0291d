#pragma once

#include <QByteArray>

// Inflates an embedded map, a whole gzip member, into `output`, accepting and refusing exactly
// the members zlib's inflateGzipMember accepts and refuses, with the same bytes. The member is
// inflated in one piece by a whole-buffer inflater into a buffer of the size its trailer
// records, which also checks the trailer's check sum and length; zlib judges the members that
// inflater refuses and those it might read differently (see walkGzipMember). Safe to run on
// several maps at once.
bool inflateEmbeddedMap(const QByteArray &map, QByteArray *output);
