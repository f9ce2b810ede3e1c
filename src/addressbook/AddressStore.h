#pragma once

#include "platform/Paths.h"
#include "platform/XmlStore.h"

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
class AddressStore : public platform::XmlStore
{
    Q_OBJECT

public:
    explicit AddressStore(QObject *parent = nullptr);
    // A store on a document the caller holds.
    explicit AddressStore(platform::XmlDocument &document, QObject *parent = nullptr);

    // The empty store: the document's initial content.
    static QStringList initialContent();
    static QString pathIn(const QString &folder) { return platform::joinPath(folder, kAddressStoreFileName); }

    QList<AddressEntry> entries() const;
    QList<AddressRow> rows() const;
    AddressEntry entryAt(int position) const;

    // An entry with empty texts and Server "False" as the last one; returns its position.
    int append(const AddressEntry &entry = {});
    void update(int position, const AddressEntry &entry);
    void remove(int position);

private:
    // A change is kept in memory also when its save fails.
    void changedAndSave();
};

} // namespace corvane::addressbook
