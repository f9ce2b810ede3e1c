#pragma once

#include <QString>

namespace corvane::addressbook {

// The settings the mail logic reads, as the settings pane holds them at the moment of the action
// (saved or not). Folder texts end in the native separator.
struct MailSettings
{
    QString yourName;    // "Your Name"
    QString yourInbox;   // "Your Inbox": the user's own inbox folder on the share
    QString inboxData;   // folder of "InBox.cvi"
    QString sentData;    // folder of "Sent Items.cva"
    QString addresses;   // folder of "address list.cva"
    bool selfServer = false; // "Use as server"
};

} // namespace corvane::addressbook
