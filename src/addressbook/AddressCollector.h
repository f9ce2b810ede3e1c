#pragma once

#include "AddressStore.h"
#include "MailSettings.h"
#include "RecipientList.h"

#include "platform/EventLoopWait.h"

#include <QObject>
#include <QStringList>

#include <atomic>

namespace corvane::addressbook {

class FolderProbe;

// Turns names into the folders that can be reached now (the one process-wide RecipientList),
// adding server folders when a named person's folder is missing or when servers are asked for.
class AddressCollector : public QObject
{
    Q_OBJECT

public:
    AddressCollector(const AddressStore &store, FolderProbe &probe, QObject *parent = nullptr);

    // Empties and refills the list and returns it once every probe has answered; the event loop
    // keeps running meanwhile. Not re-entrant: throws Error when a collection is running.
    const RecipientList &CollectAddresses(const QStringList &names, bool includeServers,
                                          const MailSettings &settings);

    // The result of the last collection, kept until the next one starts.
    const RecipientList &recipients() const { return m_recipients; }
    bool isCollecting() const { return m_collecting; }
    bool allInboxesFound() const { return m_allInboxesFound; }
    int pendingProbes() const { return m_pendingProbes; }

Q_SIGNALS:
    // A collection started (true) or ended (false, also on a failure); `finished` follows the end.
    void collectingChanged(bool collecting);
    void finished();

private:
    void startProbe(const AddressEntry &entry, bool server);
    void waitForProbes();
    void CollectThreadDone();
    void removeDuplicates();

    const AddressStore &m_store;
    FolderProbe &m_probe;
    platform::EventLoopWaiter m_waiter;
    RecipientList m_recipients;
    std::atomic<bool> m_allInboxesFound{false}; // AllInboxesFound
    int m_pendingProbes = 0;                    // PendingProbes
    bool m_collecting = false;
};

} // namespace corvane::addressbook
