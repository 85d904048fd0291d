#pragma once

#include "campaign/mapheader.h"

#include <QByteArray>
#include <QVector>

// The summary of one embedded map, read in full mode into *header (readMapSummary), inflated
// first into *inflated (inflateEmbeddedMap) when it starts with the gzip magic bytes; room
// already in *inflated is used again. Returns what readMapSummary returns, or
// MapWithoutPlayers for a map that cannot be inflated. `mapFileVersion` is left alone.
int readEmbeddedMapSummary(const QByteArray &map, QByteArray *inflated, MapHeader *header);

// The summaries of a campaign's embedded maps, read on all processor cores, one map per task:
// a map that starts with the gzip magic bytes is inflated first (inflateEmbeddedMap), and the
// summary is read in full mode (readMapSummary). One entry per map, in order; null for a map
// that cannot be inflated or has no readable summary. The editor-wide values are left alone.
QVector<MapHeaderRef> readMapSummaries(const QVector<QByteArray> &maps);
