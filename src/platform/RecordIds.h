#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

namespace corvane::platform {

// The identity of one record of a store: it stays with the record while other records come and
// go (a message's number does not), and is never given to another record in the run.
using RecordId = quint64;

// Issues and keeps the identities of a store's records, in the records' order. The store tells of
// each append and removal; whenever the list is out of step with the store (the document was
// loaded again, or its record count differs), every record gets a new identity, so an identity
// held from before never names another record. Used on the thread that owns the store.
class RecordIds
{
public:
    // The identity of the record at `position` of a store of `count` records whose document is at
    // `generation`; nothing for a position outside the store.
    std::optional<RecordId> at(int position, int count, quint64 generation);
    // Where the record with that identity is now; nothing when it is gone.
    std::optional<int> positionOf(RecordId id, int count, quint64 generation);
    // Every record's identity, in the records' order.
    const std::vector<RecordId> &all(int count, quint64 generation);

    // A record went in at the end. Takes no count, since counting a store's records costs a walk
    // over them and a check appends thousands; the next question compares the count.
    void appended(quint64 generation);
    // The record at `position` went.
    void removed(int position, quint64 generation);

private:
    void keepInStep(int count, quint64 generation);

    std::vector<RecordId> m_ids;
    quint64 m_generation = 0;
    bool m_issued = false;
    RecordId m_next = 1;
};

} // namespace corvane::platform
