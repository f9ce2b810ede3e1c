#pragma once

#include "Errors.h"
#include "RecordIds.h"
#include "Store.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace corvane::platform {

class XmlDocument;

// What the three stores share: the document they keep their records in (their own, or one the
// caller holds), its file and state, the revision, and the identities of the records: the
// elements of one list element under the root. The document never leaves the store: the others
// see rows, values and these state calls. Used on the thread that owns the store.
class XmlStore : public Store
{
    Q_OBJECT

public:
    // Where a store keeps its records, and how it says that one is missing.
    struct Records
    {
        const char *listElement;  // the element under the root that holds the records
        const char *missingText;  // "There is no ... number %1", the number being position + 1
    };

    ~XmlStore() override;

    // The number of records; a store without its list element has none.
    int count() const;

    // The identity of the record at a position, which stays with it while other records come and
    // go; nothing for a position outside the store.
    std::optional<RecordId> recordId(int position) const;
    // Where the record with that identity is now; nothing when it is gone.
    std::optional<int> positionOf(RecordId id) const;
    // Every record's identity, in store order.
    std::vector<RecordId> recordIds() const;

    // Makes the path the document's file (writing the document there first when the file is
    // missing: its initial content when it was not in use, the current records when a newly
    // chosen folder has none) and loads it. Throws IoError or XmlError; the revision rises
    // either way.
    void open(const QString &path) override;
    // Reads the file at path when it is there and leaves the initial content when it is not,
    // writing nothing: for looking at a profile. Throws IoError or XmlError.
    void openIfPresent(const QString &path);
    // Writes the whole store to its file; when another installation changed the file, its
    // content is taken first and this store's changes made to it again (XmlDocument::save), and
    // the revision rises, since the records may have moved. Throws WriteError, or IoError when
    // the store is read-only or its file failed to load.
    void save() override;
    // Saves changes not yet saved (read marks) into the file they were made on, before that file
    // is loaded again or the store moves to another folder. Throws as save does.
    void saveUnsavedChanges() override;

    // Whether the store has been opened or given content (an inactive one holds nothing).
    bool isActive() const;
    const QString &fileName() const;
    // Changes were made since the store was last saved or loaded.
    bool hasUnsavedChanges() const;
    // A read-only store refuses every change with the reason, a message ready for the user;
    // an empty reason makes it writable.
    void setReadOnly(const QString &reason) override;
    bool isReadOnly() const override;
    const QString &readOnlyReason() const override;
    // Throws IoError, worded for the user, when a save would refuse: the file failed to load, or
    // no file has been loaded.
    void checkSavable() const;

    // Changes whenever the document is loaded again: tells one that appended to the store that
    // what it appended is gone.
    quint64 generation() const;

protected:
    // A store on a document of its own with that initial content.
    XmlStore(Records records, const QStringList &initialContent, QObject *parent);
    // A store on a document the caller holds (and keeps alive longer than the store).
    XmlStore(Records records, XmlDocument &document, QObject *parent);

    XmlDocument &document() const { return m_document; }
    // The error for a record missing at the position.
    Error missingRecord(int position) const;
    // Removes the record at the position and saves, recording the removal by the record's
    // content without the attribute `ignored` (a mark either copy of the store may change).
    // Throws IoError, changing nothing, when the store is read-only; Error for a missing record.
    void removeRecord(int position, const char *ignored = nullptr);
    // A record went in at the end, or the one at the position went: the identities follow.
    void recordAppended();
    void recordRemoved(int position);

private:
    Records m_records;
    std::unique_ptr<XmlDocument> m_own;
    XmlDocument &m_document;
    mutable RecordIds m_ids;
};

} // namespace corvane::platform
