#include "AddressCollector.h"

#include "FolderProbe.h"
#include "Logging.h"

#include "platform/Errors.h"
#include "platform/Paths.h"

#include <QSet>

namespace corvane::addressbook {

AddressCollector::AddressCollector(const AddressStore &store, FolderProbe &probe, QObject *parent)
    : QObject(parent), m_store(store), m_probe(probe)
{
}

const RecipientList &AddressCollector::CollectAddresses(const QStringList &names, bool includeServers,
                                                        const MailSettings &settings)
{
    if (m_collecting)
        throw Error(QStringLiteral("The address list is already being collected"));
    m_collecting = true;
    Q_EMIT collectingChanged(true);
    struct Reset
    {
        AddressCollector &collector;
        ~Reset()
        {
            collector.m_collecting = false;
            Q_EMIT collector.collectingChanged(false);
            Q_EMIT collector.finished();
        }
    } reset{*this};

    m_recipients.clear();
    m_allInboxesFound = !includeServers;

    const QList<AddressEntry> entries = m_store.entries();
    for (const QString &name : names)
        for (const AddressEntry &entry : entries)
            if (entry.Name == name)
                startProbe(entry, false);
    waitForProbes();

    if (!m_allInboxesFound) {
        for (const AddressEntry &entry : entries)
            if (entry.Server)
                startProbe(entry, true);
        // The own record goes in ahead of the server probes' answers, which arrive while waiting.
        if (settings.selfServer || includeServers)
            m_recipients.append({settings.yourName, platform::withTrailingSeparator(settings.yourInbox), core::kTrue});
    }
    waitForProbes();

    removeDuplicates();
    return m_recipients;
}

void AddressCollector::startProbe(const AddressEntry &entry, bool server)
{
    ++m_pendingProbes;
    // A hand-edited address list may lack the trailing separator: without it a file name would
    // glue to the folder's name and land in its parent.
    const RecipientEntry record{entry.Name, platform::withTrailingSeparator(entry.Inbox), core::truthText(server)};
    m_probe.probe(record.Inbox, entry.Name, this, [this, record](bool exists) {
        if (exists) {
            m_recipients.append(record);
        } else {
            qCDebug(lcAddressbook, "the folder of %s is not reachable: %s", qUtf8Printable(record.Name),
                    qUtf8Printable(record.Inbox));
            m_allInboxesFound = false;
        }
        CollectThreadDone();
    });
}

void AddressCollector::CollectThreadDone()
{
    --m_pendingProbes;
    m_waiter.wake();
}

void AddressCollector::waitForProbes()
{
    m_waiter.waitUntil([this] { return m_pendingProbes < 1; });
}

void AddressCollector::removeDuplicates()
{
    QSet<QString> seen;
    RecipientList kept;
    for (const RecipientEntry &record : std::as_const(m_recipients)) {
        if (record.Name.isEmpty() || seen.contains(record.Name))
            continue;
        seen.insert(record.Name);
        kept.append(record);
    }
    m_recipients = kept;
}

} // namespace corvane::addressbook
