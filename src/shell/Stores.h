#pragma once

#include "addressbook/AddressStore.h"
#include "platform/FolderLock.h"
#include "platform/Store.h"
#include "receiving/InboxStore.h"
#include "sending/SentStore.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <map>
#include <memory>

namespace corvane::shell {

struct Settings;

using addressbook::kAddressStoreFileName;
using receiving::kInboxStoreFileName;
using sending::kSentStoreFileName;

// The lock folders of the stores open for writing, one beside each store file, kept fresh while
// they are held. A store whose lock another copy holds, or whose folder cannot be written here, is
// opened read-only, with the reason as its document's read-only reason. A store whose lock another
// copy took over while this one held it (this machine slept past the stale time) becomes read-only
// with the reason, and lockLost tells whoever shows it; one whose lock cannot be looked at (the
// share does not answer) is read-only until it can again.
class StoreLocks : public QObject
{
    Q_OBJECT

public:
    StoreLocks();

    // The lock folder of a store file: in the store's folder, named after the file.
    static QString lockPathFor(const QString &storePath);
    // Takes the lock for the store at path (releasing the one the store held elsewhere), and
    // makes the store writable or read-only accordingly.
    void claim(platform::Store &store, const QString &storePath);
    // Rewrites the notes of the locks held (every few minutes by itself). A store whose lock's
    // note cannot be read (its folder does not answer) is read-only until a refresh reads it again.
    void refreshAll();

Q_SIGNALS:
    // A store's lock was taken over by another copy: the store is read-only now, for `reason`.
    void lockLost(const QString &reason);

private:
    struct Held
    {
        std::unique_ptr<platform::SessionLock> lock;
        QString storePath;
        bool unreached = false; // read-only while the lock's note cannot be read
    };
    std::map<platform::Store *, Held> m_locks;
    QTimer m_refresh;
};

// The three local stores held in memory for the whole run, each with its built-in initial content.
struct Stores
{
    receiving::InboxStore inbox;      // "InBox.cvi": root Inbox
    addressbook::AddressStore address; // "address list.cva": root Addressbook
    sending::SentStore sent;           // "Sent Items.cva": root Sentbox
    StoreLocks locks;

    // Why each read-only store is so, for the user; empty when all three may be written.
    QStringList readOnlyReasons() const;
};

// A store's path: its folder setting followed by the file name. Throws IoError for an empty folder.
QString inboxStorePath(const Settings &settings);
QString addressStorePath(const Settings &settings);
QString sentStorePath(const Settings &settings);

// Loads the three stores in the order inbox, address list, sent items, each under its lock folder
// (or read-only). Changes not yet saved (read marks) are saved first, into the file they belong to. A store file that is
// missing is first written from the document in memory: the initial content on the first load,
// the current store when a newly chosen folder has none. Throws IoError or XmlError; the stores
// before the failing one stay loaded, and the failing one is never saved until a load of it works.
void readXMLfiles(Stores &stores, const Settings &settings);

} // namespace corvane::shell
