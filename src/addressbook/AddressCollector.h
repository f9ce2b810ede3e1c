#pragma once

#include "AddressStore.h"
#include "MailSettings.h"
#include "RecipientList.h"

#include "core/LongOperation.h"

#include <QList>
#include <QStringList>

namespace corvane::addressbook {

class FolderProbe;

// What a collection found: the folders that can be reached now.
struct Collection
{
    RecipientList recipients;
    bool allInboxesFound = false; // AllInboxesFound
};

// Turns names into the folders that can be reached now (the one process-wide RecipientList),
// adding server folders when a named person's folder is missing or when servers are asked for.
// A collection is a long operation: start() returns at once, the probes answer by queued calls,
// and finished() carries what was found. While it runs, another collection, a send or a check that
// would use the list, and changes to the address list are refused by the one rule for conflicts.
class AddressCollector : public core::LongOperation
{
    Q_OBJECT

public:
    AddressCollector(const AddressStore &store, FolderProbe &probe, QObject *parent = nullptr);

    // Empties the list and starts probing the folders of the named entries, then, when one is
    // missing or servers are asked for, those of the server entries. Returns the refusal when a
    // collection runs already; then nothing starts.
    std::optional<core::Notice> start(const QStringList &names, bool includeServers, const MailSettings &settings);

    // The result of the last collection, kept until the next one starts.
    const RecipientList &recipients() const { return m_found.recipients; }
    bool allInboxesFound() const { return m_found.allInboxesFound; }
    int pendingProbes() const { return m_pendingProbes; }

Q_SIGNALS:
    void finished(const corvane::addressbook::Collection &result);

protected:
    core::Notice busyNotice() const override;

private:
    void startProbe(const AddressEntry &entry, bool server);
    void CollectThreadDone();
    // Goes on once every probe of the current round has answered.
    void nextRound();
    void removeDuplicates();

    const AddressStore &m_store;
    FolderProbe &m_probe;
    Collection m_found;
    QList<AddressEntry> m_entries; // the address list as the collection started
    MailSettings m_settings;
    bool m_includeServers = false;
    int m_round = 0;
    int m_pendingProbes = 0; // PendingProbes
};

} // namespace corvane::addressbook

Q_DECLARE_METATYPE(corvane::addressbook::Collection)
