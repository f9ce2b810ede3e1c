#include "AddressCollector.h"

#include "FolderProbe.h"
#include "Logging.h"

#include "platform/Errors.h"
#include "platform/Paths.h"

#include <QSet>

namespace corvane::addressbook {

AddressCollector::AddressCollector(const AddressStore &store, FolderProbe &probe, QObject *parent)
    : core::LongOperation(parent), m_store(store), m_probe(probe)
{
}

core::Notice AddressCollector::busyNotice() const
{
    return {core::Notice::Code::CollectionRunning, core::Notice::Kind::Information,
            tr("Corvane is finding which mail folders can be reached. Try again in a moment."), false};
}

std::optional<core::Notice> AddressCollector::start(const QStringList &names, bool includeServers,
                                                    const MailSettings &settings)
{
    if (auto refusal = refusalWhileRunning())
        return refusal;
    setRunning(true);
    m_found = {};
    m_found.allInboxesFound = !includeServers;
    m_entries = m_store.entries();
    m_settings = settings;
    m_includeServers = includeServers;
    m_round = 1;
    for (const QString &name : names)
        for (const AddressEntry &entry : std::as_const(m_entries))
            if (entry.Name == name)
                startProbe(entry, false);
    // No probe answers inside this call, even when none was started.
    if (m_pendingProbes == 0)
        QMetaObject::invokeMethod(this, &AddressCollector::nextRound, Qt::QueuedConnection);
    return std::nullopt;
}

void AddressCollector::startProbe(const AddressEntry &entry, bool server)
{
    ++m_pendingProbes;
    // A hand-edited address list may lack the trailing separator: without it a file name would
    // glue to the folder's name and land in its parent.
    const RecipientEntry record{entry.Name, platform::withTrailingSeparator(entry.Inbox), core::truthText(server)};
    m_probe.probe(record.Inbox, entry.Name, this, [this, record](bool exists) {
        if (exists) {
            m_found.recipients.append(record);
        } else {
            qCDebug(lcAddressbook, "the folder of %s is not reachable: %s", qUtf8Printable(record.Name),
                    qUtf8Printable(record.Inbox));
            m_found.allInboxesFound = false;
        }
        CollectThreadDone();
    });
}

void AddressCollector::CollectThreadDone()
{
    if (--m_pendingProbes == 0)
        nextRound();
}

void AddressCollector::nextRound()
{
    if (m_pendingProbes > 0 || !isRunning())
        return;
    if (m_round == 1) {
        m_round = 2;
        if (!m_found.allInboxesFound) {
            for (const AddressEntry &entry : std::as_const(m_entries))
                if (entry.Server)
                    startProbe(entry, true);
            // The own record goes in ahead of the server probes' answers.
            if (m_settings.selfServer || m_includeServers)
                m_found.recipients.append(
                    {m_settings.yourName, platform::withTrailingSeparator(m_settings.yourInbox), core::kTrue});
        }
        if (m_pendingProbes > 0)
            return;
    }
    removeDuplicates();
    m_entries.clear();
    setRunning(false);
    Q_EMIT finished(m_found);
}

void AddressCollector::removeDuplicates()
{
    QSet<QString> seen;
    RecipientList kept;
    for (const RecipientEntry &record : std::as_const(m_found.recipients)) {
        if (record.Name.isEmpty() || seen.contains(record.Name))
            continue;
        seen.insert(record.Name);
        kept.append(record);
    }
    m_found.recipients = kept;
}

} // namespace corvane::addressbook
