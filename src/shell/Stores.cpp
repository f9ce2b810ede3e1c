#include "Stores.h"

#include "Logging.h"
#include "Settings.h"

#include "addressbook/AddressStore.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "receiving/InboxStore.h"
#include "sending/SentStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace corvane::shell {

QStringList Stores::readOnlyReasons() const
{
    QStringList reasons;
    for (const platform::Store *store : std::initializer_list<const platform::Store *>{&inbox, &address, &sent})
        if (store->isReadOnly())
            reasons.append(store->readOnlyReason());
    return reasons;
}

StoreLocks::StoreLocks()
{
    m_refresh.setInterval(platform::SessionLock::kRefreshEvery);
    connect(&m_refresh, &QTimer::timeout, this, &StoreLocks::refreshAll);
}

QString StoreLocks::lockPathFor(const QString &storePath)
{
    const QFileInfo info(storePath);
    return info.path() + u'/' + platform::temporaryFilePrefix() + info.fileName() + QStringLiteral(".lock");
}

void StoreLocks::claim(platform::Store &claimed, const QString &storePath)
{
    const QString lockPath = lockPathFor(storePath);
    Held &entry = m_locks[&claimed];
    std::unique_ptr<platform::SessionLock> &held = entry.lock;
    if (held && held->isHeld() && held->path() == lockPath)
        return;
    held = std::make_unique<platform::SessionLock>(lockPath);
    entry.storePath = storePath;
    entry.unreached = false;
    const QString store = QDir::toNativeSeparators(storePath);
    const QString folder = QDir::toNativeSeparators(QFileInfo(storePath).absolutePath());
    switch (held->take()) {
    case platform::SessionLock::Outcome::Taken:
        claimed.setReadOnly({});
        break;
    case platform::SessionLock::Outcome::HeldElsewhere: {
        const QString who = held->holder();
        claimed.setReadOnly(
            QCoreApplication::translate("StoreLocks",
                                        "%1 is open in another copy of Corvane%2, which shares the folder %3. It "
                                        "is open read-only here: nothing is saved into it. Close the other copy "
                                        "(or, if no copy uses it any more, remove the folder %4), then press Save "
                                        "in Settings.")
                .arg(store, who.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(who), folder,
                     QDir::toNativeSeparators(lockPath)));
        break;
    }
    case platform::SessionLock::Outcome::Refused:
        claimed.setReadOnly(QCoreApplication::translate("StoreLocks",
                                                         "Corvane cannot write in the folder %1 (%2), so %3 is open "
                                                         "read-only: nothing is saved into it. Choose a folder you "
                                                         "may write in Settings.")
                                 .arg(folder, held->reason(), store));
        break;
    }
    if (!held->isHeld())
        held.reset();
    if (!m_refresh.isActive())
        m_refresh.start();
}

void StoreLocks::refreshAll()
{
    for (auto &[store, entry] : m_locks) {
        if (!entry.lock)
            continue;
        const QString storePath = QDir::toNativeSeparators(entry.storePath);
        const QString folder = QDir::toNativeSeparators(QFileInfo(entry.storePath).absolutePath());
        switch (entry.lock->refresh()) {
        case platform::SessionLock::Refresh::Kept:
            if (entry.unreached) {
                entry.unreached = false;
                store->setReadOnly({});
                qCInfo(lcShell, "the lock of %s answers again: it is written again", qUtf8Printable(storePath));
            }
            break;
        case platform::SessionLock::Refresh::Unreached:
            // Another copy may take the lock over while this one cannot look: nothing is saved until
            // the note shows again that the store is still this copy's.
            if (!entry.unreached) {
                entry.unreached = true;
                store->setReadOnly(QCoreApplication::translate("StoreLocks",
                                                               "The folder %1 does not answer, so Corvane cannot "
                                                               "tell whether this copy still holds %2: nothing is "
                                                               "saved into it until the folder answers again.")
                                       .arg(folder, storePath));
            }
            break;
        case platform::SessionLock::Refresh::TakenOver: {
            const QString who = entry.lock->holder();
            const QString lockPath = QDir::toNativeSeparators(entry.lock->path());
            entry.lock.reset();
            entry.unreached = false;
            // Whatever this copy saved from now on could overwrite what the other copy saves.
            const QString reason =
                QCoreApplication::translate("StoreLocks",
                                            "%1 was taken over by another copy of Corvane%2, which shares the folder "
                                            "%3, while this copy had it open (this computer may have been asleep). "
                                            "It is read-only here from now on: nothing more is saved into it. Close "
                                            "the other copy (or, if no copy uses it any more, remove the folder %4), "
                                            "then press Save in Settings.")
                    .arg(storePath, who.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(who), folder, lockPath);
            qCWarning(lcShell, "%s", qUtf8Printable(reason));
            store->setReadOnly(reason);
            Q_EMIT lockLost(reason);
            break;
        }
        case platform::SessionLock::Refresh::NotHeld:
            break;
        }
    }
}

namespace {

// An empty folder would put the store wherever the program was started from.
QString storePath(const QString &folder, const QString &fileName, const QString &folderCaption)
{
    if (folder.isEmpty())
        throw IoError(QCoreApplication::translate(
                          "Stores", "The \"%1\" is empty, so %2 has no place: choose a folder in Settings.")
                          .arg(folderCaption, fileName));
    const QString path = platform::joinPath(folder, fileName);
    // Earlier versions put a folder without its separator straight before the file name, so a
    // hand-edited folder kept its store beside the folder; keep using that store rather than
    // start an empty one and leave the user's mail out of sight.
    const QString besideFolder = folder + fileName;
    if (besideFolder != path && !platform::fileExists(path) && platform::fileExists(besideFolder)) {
        qCWarning(lcShell) << "Using the store" << besideFolder << "kept beside its folder by an earlier version";
        return besideFolder;
    }
    return path;
}

} // namespace

QString inboxStorePath(const Settings &settings)
{
    return storePath(settings.inboxData, kInboxStoreFileName,
                     QCoreApplication::translate("corvane::shell::MainSettingsPage", "Inbox Datafile Folder"));
}

QString addressStorePath(const Settings &settings)
{
    return storePath(settings.addresses, kAddressStoreFileName,
                     QCoreApplication::translate("corvane::shell::MainSettingsPage", "Address List Folder"));
}

QString sentStorePath(const Settings &settings)
{
    return storePath(settings.sentData, kSentStoreFileName,
                     QCoreApplication::translate("corvane::shell::MainSettingsPage", "Sent Items Folder"));
}

namespace {

void openStore(platform::Store &store, const QString &path, StoreLocks &locks)
{
    store.saveUnsavedChanges();
    locks.claim(store, path);
    store.open(path);
}

} // namespace

void readXMLfiles(Stores &stores, const Settings &settings)
{
    openStore(stores.inbox, inboxStorePath(settings), stores.locks);
    openStore(stores.address, addressStorePath(settings), stores.locks);
    openStore(stores.sent, sentStorePath(settings), stores.locks);
}

} // namespace corvane::shell
