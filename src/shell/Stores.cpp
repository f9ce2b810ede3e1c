#include "Stores.h"

#include "Settings.h"

#include "addressbook/AddressStore.h"
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

QString inboxStorePath(const Settings &settings)
{
    return platform::joinPath(settings.inboxData, kInboxStoreFileName);
}

QString addressStorePath(const Settings &settings)
{
    return platform::joinPath(settings.addresses, kAddressStoreFileName);
}

QString sentStorePath(const Settings &settings)
{
    return platform::joinPath(settings.sentData, kSentStoreFileName);
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
