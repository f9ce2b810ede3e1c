#pragma once

// What the files of platform::RecordStore share; not for use outside them.

#include "RecordScanner.h"
#include "RecordStore.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QMutex>
#include <QString>

#include <atomic>
#include <map>
#include <utility>
#include <vector>

#include <pugixml.hpp>

namespace corvane::platform::records {

constexpr unsigned kParseOptions = pugi::parse_default;
constexpr qint64 kCopyBlock = 4 << 20;

// The name of the file a compaction writes beside the store (after the temporary prefix): one a
// store, so that a compaction cut off by a crash leaves one file, which the next takes over.
QString compactionFileName(const QString &storePath);

// An element's bytes as the stores write them.
QByteArray elementBytes(const pugi::xml_node &element);
// A self-closing tag as a start tag: "<a b='c'/>" becomes "<a b='c'>".
QByteArray openedTag(QByteArray tag);
// The bytes of the file from an offset; fewer at its end, none when it cannot seek there.
QByteArray readRange(QFile &file, qint64 from, qint64 length);

// The change mark a rewritten file carries: its new bytes, and where the old one lies (-1: none,
// the new one goes at the end).
struct MarkPlace
{
    QByteArray bytes;
    qint64 oldAt = -1;
};

// Copies the file's head, its live records (offset and length, in file order; `replaced` gives
// other bytes for some of them) and its tail, with the new change mark, into `to`, leaving out the
// blanks between records; returns the records' new offsets. Stops with Error when `cancelled` is
// set. Throws IoError or WriteError.
std::vector<qint64> copyLive(QFile &from, QIODevice &to, const StoreLayout &layout,
                             const std::vector<std::pair<qint64, qint32>> &records,
                             const std::map<size_t, QByteArray> &replaced, const MarkPlace &mark,
                             const std::atomic<bool> *cancelled);

} // namespace corvane::platform::records

namespace corvane::platform {

// A compaction's state, shared with its worker.
struct RecordStore::Compaction
{
    std::atomic<bool> cancelled{false};
    QMutex mutex;
    QString temporary; // written, not yet placed or removed
};

} // namespace corvane::platform
