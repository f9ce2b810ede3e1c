#pragma once

#include "Errors.h"
#include "FileIo.h"
#include "JournaledWrite.h"
#include "RecordIds.h"
#include "RecordScanner.h"
#include "Store.h"
#include "StoreChangeMark.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <pugixml.hpp>

namespace corvane::platform {

// A store of records kept in its file rather than in memory: the messages of the inbox and of
// Sent Items. The file stays an ordinary XML document (a root, a list element under it, one
// element per record), readable by any XML parser after every completed write; in memory there is
// only where each record lies and a summary the subclass keeps of it, so a store of hundreds of
// megabytes is listed without its bodies. A record is read from the file when it is asked for.
//
// Writes cost what they change, not the size of the file:
// - new records are written over the list's end tag, followed by the end tags again;
// - a mark attribute is changed in place (a shorter value is followed by blanks, which XML allows
//   in a tag);
// - a removed record is overwritten by blanks, which XML reads as nothing between elements. The
//   blanks are given back by a compaction, which rewrites the file without them on a worker once
//   they pass a share of the file, and puts it in place when nothing was written meanwhile.
// Each write goes through a journal (writeInPlace), so that a crash at any byte leaves a file the
// next open completes or undoes; before each write the file is checked to be the one last read or
// written, and read again (the pending changes made anew) when another installation changed it.
// Used on the thread that owns the store.
class RecordStore : public Store
{
    Q_OBJECT

public:
    struct Names
    {
        ScanNames scan;          // the list element, the body element, the mark attribute
        const char *missingText; // "There is no ... number %1", the number being position + 1
    };

    ~RecordStore() override;

    int count() const { return int(m_records.size()); }
    std::optional<RecordId> recordId(int position) const;
    std::optional<int> positionOf(RecordId id) const;
    std::vector<RecordId> recordIds() const;

    // Makes the path the store's file (writing the initial content there first when the file is
    // missing) and reads it; a crash's unfinished write is completed or undone first, when the
    // store may be written. Throws IoError or XmlError; the revision rises either way.
    void open(const QString &path) override;
    // Reads the file at path when it is there, writing nothing (no repair either): for looking at
    // a profile, and for a store open read-only. Throws IoError or XmlError.
    void openIfPresent(const QString &path);
    // Writes what waits: new records, marks, new elements under the root. Nothing when nothing
    // waits. Throws WriteError, or IoError when the store is read-only or its file failed to load;
    // what waits stays waiting then.
    void save() override;
    void saveUnsavedChanges() override;

    bool isActive() const { return m_active; }
    const QString &fileName() const { return m_path; }
    bool hasUnsavedChanges() const;
    void setReadOnly(const QString &reason) override { m_readOnlyReason = reason; }
    bool isReadOnly() const override { return !m_readOnlyReason.isEmpty(); }
    const QString &readOnlyReason() const override { return m_readOnlyReason; }
    // Throws IoError, worded for the user, when a save would refuse.
    void checkSavable() const;
    // Changes whenever the file is read anew: tells one that appended to the store that what it
    // appended may be gone.
    quint64 generation() const { return m_generation; }

    // The bytes of blanks left by removed records, and the file's size.
    qint64 deadBytes() const { return m_deadBytes; }
    qint64 fileSize() const { return m_layout.size; }
    // A compaction starts after a removal once the blanks pass this share of the file.
    void setCompactionShare(double share) { m_compactionShare = share; }
    // Starts a compaction now, unless one runs, nothing is dead, or the store may not be written.
    bool startCompaction();
    bool isCompacting() const { return m_compacting; }
    // Stops a running compaction and waits for its worker; its result is dropped.
    void dropCompaction();
    // Waits until a running compaction has written its file; its hand-over still comes through the
    // event loop. For tests that change the file in between.
    void waitForCompactionCopy() { m_worker.waitForDone(); }

Q_SIGNALS:
    // A compaction ended: `placed` when its file took the store's place.
    void compactionFinished(bool placed);

protected:
    RecordStore(Names names, QStringList initialContent, QObject *parent);

    // What a subclass keeps of each record: called in file order for every record read or added,
    // with the record's element parsed without its body's text.
    virtual void clearSummaries() = 0;
    virtual void addSummary(const pugi::xml_node &record) = 0;
    virtual void removeSummary(int position) = 0;
    // A mark still waiting to be written was made anew after the file was read again: the summary,
    // read from the file, takes its value again.
    virtual void summaryMarked(int position, const QByteArray &value);
    // The record's key for "the other copy of the store holds it already" (the GUID), or empty.
    virtual QByteArray keyOf(const pugi::xml_node &record) const;
    virtual bool holdsKey(const QByteArray &key);

    Error missingRecord(int position) const;
    // The record's bytes as stored. Throws Error for a missing record, IoError for a file that
    // cannot be read or no longer holds the record where it was.
    QByteArray recordBytes(int position) const;
    // The record parsed whole, into the document given; returns its element.
    pugi::xml_node parseRecord(int position, pugi::xml_document &into) const;

    // Adds a record at the end, written with the next save. Throws IoError when read-only,
    // XmlError for bytes that are not one element.
    void appendRecord(QByteArray element);
    // Sets the record's mark attribute to the value with the next save. Throws IoError when
    // read-only.
    void setMark(int position, const QByteArray &value);
    // Removes the record and saves at once (what waited is written with it). Throws IoError,
    // changing nothing, when read-only or when the write fails; Error for a missing record.
    void removeRecord(int position);
    // An element with that name is added as the root's last child with the next save, unless the
    // root has one.
    void ensureRootChild(const QByteArray &name);
    bool hasRootChild(const QByteArray &name) const;

    // The stored bodies, in store order, as a reader that works on any one thread at a time: it
    // reads the file (kept open from this call) and what waits to be written, copied.
    std::function<QByteArrayView(int)> bodyReader() const;

    // An element's bytes as this store writes them.
    static QByteArray elementBytes(const pugi::xml_node &element);

private:
    struct Record
    {
        qint64 offset = -1; // in the file; -1 while waiting to be written
        qint32 length = 0;
        qint32 bodyBegin = -1;
        qint32 bodyEnd = -1;
        qint32 markBegin = -1;
        qint32 markLength = 0;
        qint32 markCapacity = 0;
        char markQuote = '"';
    };
    struct PendingMark
    {
        QByteArray value;
        QByteArray identity; // the record's content without its mark, to find it after a reload
    };
    struct Compaction;
    // A write planned: the change of the file, where the new records go, the layout after it.
    struct Plan
    {
        FileChange change;
        qint64 recordsAt = -1;
        StoreLayout layout;
    };

    void readFile(const QString &path, bool repair);
    // Logs what the repair of a cut-off write did; a repair that could not be decided leaves the
    // store read-only.
    void reportRecovery(const JournalRecovery &recovery);
    void scan(QIODevice &device, const QString &sourceName);
    // Where a scanned record's parts lie, the record being `bytes` at `offset` (-1: not written).
    static Record placeOf(const ScannedRecord &scanned, QByteArrayView bytes, qint64 offset);
    void add(const ScannedRecord &scanned, QByteArrayView bytes, qint64 offset);
    bool changedOnDisk() const;
    // The record's bytes at its place, trusted without looking at the file's stamp: for a file
    // just read. Throws IoError when the place does not hold an element.
    QByteArray readRecord(int position) const;
    IoError changedSinceRead(int position) const;
    // Whether the file was made smaller since it was read (compacted by another installation).
    bool placesMayHaveMoved() const;
    // Takes the file's stamp as the one last read or written, with the change mark it holds.
    void setStamp(FileStamp stamp);
    // The mark the next write puts in the file.
    QByteArray nextChangeMark() const;
    void checkWritable() const;
    // Reads the file again and makes what waited anew; returns where the removed record (named by
    // its identity) is now, if it is still there.
    std::optional<int> reloadKeepingChanges(const std::optional<QByteArray> &removedIdentity);
    Plan planFor(std::optional<int> removed) const;
    void written(const Plan &plan, std::optional<int> removed);
    void writeChange(std::optional<int> removed);
    void rewriteWhole(std::optional<int> removed);
    void placed(const std::vector<qint64> &offsets);
    void cancelCompaction();
    void startCompactionIfDue();
    QByteArray identityOf(const QByteArray &bytes) const;
    void writeInitialContent(const QString &path) const;

    Names m_names;
    QStringList m_initialContent;
    QString m_path;
    QString m_loadFailure;
    QString m_readOnlyReason;
    bool m_active = false;
    quint64 m_generation = 0;
    StoreLayout m_layout;
    FileStamp m_stamp;
    std::optional<ChangeMark> m_mark; // in the file as last read or written
    QByteArray m_memory; // the file's content, for a store read in another encoding or not there
    bool m_notUtf8 = false;
    QByteArray m_scratch;
    pugi::xml_document m_parser;
    std::vector<Record> m_records;
    int m_written = 0;                       // records [0, m_written) are in the file
    std::vector<QByteArray> m_unwritten;     // the bytes of the others
    std::map<int, PendingMark> m_marks;      // by position
    QList<QByteArray> m_rootChildrenToAdd;
    qint64 m_deadBytes = 0;
    double m_compactionShare = 0.25;
    quint64 m_writes = 0; // counts the writes, so that a compaction can tell one happened meanwhile
    bool m_compacting = false;
    std::shared_ptr<Compaction> m_compaction;
    mutable RecordIds m_ids;
    QThreadPool m_worker;
};

} // namespace corvane::platform
