#pragma once

#include "platform/XmlDocument.h"

#include <QList>
#include <QString>
#include <QStringList>

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

// The address book "address list.cva" held in a document for the whole run. Entries are
// identified by their 0-based position among the children of Addresses; every change is saved at
// once. Failures to read, parse or write throw IoError or XmlError.
class AddressStore
{
public:
    explicit AddressStore(platform::XmlDocument &document);

    // The empty store: the document's initial content.
    static QStringList initialContent();
    static QString pathIn(const QString &folder) { return folder + kAddressStoreFileName; }

    // Makes the path the document's file, writing the document (its initial content when it was
    // not in use) there first when the file is missing; then loads the file.
    void open(const QString &path);

    int count() const;
    QList<AddressEntry> entries() const;
    AddressEntry entryAt(int position) const;

    // An entry with empty texts and Server "False" as the last one; returns its position.
    int append(const AddressEntry &entry = {});
    void update(int position, const AddressEntry &entry);
    void remove(int position);
    void save();

    platform::XmlDocument &document() { return m_document; }

    // Set by every save: the address grid must be filled again before it is shown.
    bool AddressListDirty = true;

private:
    pugi::xml_node addresses() const;
    platform::XmlDocument &m_document;
};

} // namespace corvane::addressbook
