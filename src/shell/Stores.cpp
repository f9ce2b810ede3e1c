#include "Stores.h"

#include "Settings.h"

#include "platform/Paths.h"

namespace corvane::shell {

Stores::Stores()
    : inbox({QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Inbox>"),
             QStringLiteral("  <Properties/>"), QStringLiteral("</Inbox>")}),
      address({QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Addressbook>"),
               QStringLiteral("  <Addresses/>"), QStringLiteral("</Addressbook>")}),
      sent({QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Sentbox>"),
            QStringLiteral("  <Properties/>"), QStringLiteral("  <Messages/>"),
            QStringLiteral("</Sentbox>")})
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
