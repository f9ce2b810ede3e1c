#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace corvane::platform {

// The mark every write of a record store moves: a comment after the root element holding how many
// writes the file has had and a random number drawn for each. A store compares the file's mark
// with the one it last wrote or read before it writes again, so that a change that keeps the size
// and the time (a read mark or a deletion made by another installation, a file put back by a sync
// tool) is still seen. Its length never changes, so it is rewritten in place; every XML reader
// skips it, older copies included.
struct ChangeMark
{
    static constexpr qsizetype kLength = 55;
    qint64 offset = -1; // in the file
    quint64 count = 0;
};

// The mark of the write after `count` writes, with a fresh random number.
QByteArray changeMarkBytes(quint64 count);

// The last mark in `tail`, the file's bytes from `tailOffset` on, that begins at or after
// `searchFrom` (the root's end tag: a mark inside a message is text, not the store's).
std::optional<ChangeMark> findChangeMark(QByteArrayView tail, qint64 tailOffset, qint64 searchFrom);

} // namespace corvane::platform
