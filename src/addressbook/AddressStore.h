#pragma once

#include "platform/RecordIds.h"
#include "platform/StoreRevision.h"
#include "platform/XmlDocument.h"
#include "platform/Paths.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace corvane::addressbook {

inline const QString kAddressStoreFileName = QStringLiteral("address list.cva");

// One address-book entry: everything lives in the attributes of an Address element.
struct AddressEntry
{
    QString Name;
    QString Inbox;
    QString Comment;
    bool Server = false;

    bool operator==(const AddressEntry &) const = default;
};

// One row of the address grid: the entry and its "Address No." (position + 1).
struct AddressRow
{
    int number = 0;
    AddressEntry entry;

    bool operator==(const AddressRow &) const = default;
};

// The address book "address list.cva" held in a document for the whole run. Entries are
// identified by their 0-based position among the children of Addresses; every change is saved at
// once and raises the revision, as does every open. Failures to read, parse or write throw
// IoError or XmlError.
class AddressStore : public platform::StoreRevision
{
    Q_OBJECT

public:
    explicit AddressStore(platform::XmlDocument &document, QObject *parent = nullptr);

    // The empty store: the document's initial content.
    static QStringList initialContent();
    static QString pathIn(const QString &folder) { return platform::joinPath(folder, kAddressStoreFileName); }

    // Makes the path the document's file, writing the document (its initial content when it was
    // not in use) there first when the file is missing; then loads the file.
    void open(const QString &path);

    int count() const;
    QList<AddressEntry> entries() const;
    QList<AddressRow> rows() const;
    AddressEntry entryAt(int position) const;

    // An entry with empty texts and Server "False" as the last one; returns its position.
    int append(const AddressEntry &entry = {});
    void update(int position, const AddressEntry &entry);
    void remove(int position);

    // The identity of the entry at a position, which stays with it while others come and go;
    // nothing for a position outside the store.
    std::optional<platform::RecordId> recordId(int position) const;
    // Where the entry with that identity is now; nothing when it is gone.
    std::optional<int> positionOf(platform::RecordId id) const;
    // Every entry's identity, in store order.
    std::vector<platform::RecordId> recordIds() const;

    platform::XmlDocument &document() { return m_document; }

private:
    // A change is kept in memory also when its save fails.
    void changedAndSave();
    pugi::xml_node addresses() const;
    platform::XmlDocument &m_document;
    mutable platform::RecordIds m_ids;
};

} // namespace corvane::addressbook
