#pragma once

#include "addressbook/AddressStore.h"
#include "platform/XmlDocument.h"
#include "receiving/InboxStore.h"
#include "sending/SentStore.h"

#include <QString>

namespace corvane::shell {

struct Settings;

using addressbook::kAddressStoreFileName;
using receiving::kInboxStoreFileName;
using sending::kSentStoreFileName;

// The three local stores held in memory for the whole run, each with its built-in initial content.
struct Stores
{
    Stores();

    platform::XmlDocument inbox;   // "InBox.cvi": root Inbox
    platform::XmlDocument address; // "address list.cva": root Addressbook
    platform::XmlDocument sent;    // "Sent Items.cva": root Sentbox
};

// A store's path: its folder setting followed by the file name. Throws IoError for an empty folder.
QString inboxStorePath(const Settings &settings);
QString addressStorePath(const Settings &settings);
QString sentStorePath(const Settings &settings);

// Loads the three stores in the order inbox, address list, sent items. A store file that is
// missing is first written from the document in memory: the initial content on the first load,
// the current store when a newly chosen folder has none. Throws IoError or XmlError; the stores
// before the failing one stay loaded, and the failing one is never saved until a load of it works.
void readXMLfiles(Stores &stores, const Settings &settings);

} // namespace corvane::shell
