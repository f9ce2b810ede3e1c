#pragma once

#include "Errors.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

#include <functional>

namespace corvane::platform {

// Where the parts of a store file lie, by byte offset: the root element, the list element (the
// first child of the root with the list's name) and what a write must know to add to them. An
// offset of -1 means the part is not there.
struct StoreLayout
{
    qint64 size = 0;
    QByteArray rootName;
    qint64 rootOpenBegin = -1; // '<' of the root's start tag
    qint64 rootOpenEnd = -1;   // just after its '>'
    bool rootSelfClosing = false;
    qint64 rootCloseBegin = -1; // '<' of the root's end tag
    qint64 listOpenBegin = -1;
    qint64 listOpenEnd = -1;
    bool listSelfClosing = false;
    qint64 listCloseBegin = -1;  // '<' of the list's end tag
    QList<QByteArray> rootChildren; // the names of the root's child elements, in order

    bool hasList() const { return listOpenBegin >= 0; }
    // Where the bytes that follow the last record begin: the list's end tag, or its start tag
    // when it is self-closing (-1 without list).
    qint64 listEnd() const { return listSelfClosing ? listOpenBegin : listCloseBegin; }
    // Moves every offset at or after `from` by `by` bytes.
    void shift(qint64 from, qint64 by);
};

// One record: an element of the list, with where its body's text and its mark's value lie.
// Offsets inside the record are relative to its first byte.
struct ScannedRecord
{
    qint64 begin = 0;
    qint64 end = 0;        // just after the record's last byte
    qint32 bodyBegin = -1; // the content of the body element; -1 when there is none
    qint32 bodyEnd = -1;
    qint32 markBegin = -1;    // the mark attribute's value, after its opening quote; -1: none
    qint32 markLength = 0;    // the value's length
    qint32 markCapacity = 0;  // how long a value may grow in place (over the blanks after it)
};

// The names a scan looks for.
struct ScanNames
{
    QByteArray listElement; // the root's child that holds the records
    QByteArray bodyElement; // the record child whose text find reads
    QByteArray markAttribute; // an attribute of the record changed in place
};

using RecordFound = std::function<void(const ScannedRecord &record, QByteArrayView bytes)>;

// Reads a store file from its start in large blocks, checks that it is well-formed as far as
// its tags go (elements nested and closed in order, one root, attribute values quoted), and
// calls `found` with each record and its bytes, in file order. Text and attribute contents are
// not decoded here. Throws XmlError naming `sourceName` and the byte offset of the fault, or
// IoError when the device cannot be read.
StoreLayout scanStore(QIODevice &file, const ScanNames &names, const QString &sourceName, const RecordFound &found);

} // namespace corvane::platform
