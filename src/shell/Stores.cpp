#include "Stores.h"

#include "Settings.h"

#include "addressbook/AddressStore.h"
#include "platform/Errors.h"
#include "platform/Paths.h"
#include "receiving/InboxStore.h"
#include "sending/SentStore.h"

namespace corvane::shell {

Stores::Stores()
    : inbox(receiving::InboxStore::initialContent()),
      address(addressbook::AddressStore::initialContent()),
      sent(sending::SentStore::initialContent())
{
}

namespace {

// An empty folder would put the store wherever the program was started from.
QString storePath(const QString &folder, const QString &fileName, const QString &folderCaption)
{
    if (folder.isEmpty())
        throw IoError(QStringLiteral("The \"%1\" is empty, so %2 has no place: choose a folder in Settings.")
                          .arg(folderCaption, fileName));
    return platform::joinPath(folder, fileName);
}

} // namespace

QString inboxStorePath(const Settings &settings)
{
    return storePath(settings.inboxData, kInboxStoreFileName, QStringLiteral("Inbox Datafile Folder"));
}

QString addressStorePath(const Settings &settings)
{
    return storePath(settings.addresses, kAddressStoreFileName, QStringLiteral("Address List Folder"));
}

QString sentStorePath(const Settings &settings)
{
    return storePath(settings.sentData, kSentStoreFileName, QStringLiteral("Sent Items Folder"));
}

namespace {

void openStore(platform::XmlDocument &document, const QString &path)
{
    document.activate();
    if (!platform::fileExists(path))
        document.saveTo(path);
    document.loadFromFile(path);
}

} // namespace

void readXMLfiles(Stores &stores, const Settings &settings)
{
    openStore(stores.inbox, inboxStorePath(settings));
    openStore(stores.address, addressStorePath(settings));
    openStore(stores.sent, sentStorePath(settings));
}

} // namespace corvane::shell
