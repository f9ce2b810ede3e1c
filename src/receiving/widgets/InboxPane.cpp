#include "receiving/widgets/InboxPane.h"

#include "richtext/RtfPlainText.h"
#include "ui/StoredBodies.h"

#include "receiving/InboxStore.h"

namespace corvane::receiving {

namespace {

QStringList inboxCells(const InboxRow &row)
{
    return {QString::number(row.number), row.from, row.subject, row.attachments, row.date, row.read};
}

} // namespace

InboxPane::InboxPane(InboxStore &store, QWidget *parent) : ListPane(parent), m_store(store)
{
    // Find searches the sender, the subject, the attachments and the body.
    addFindField({1, 2, 3}, [](const QString &rtf) { return richtext::rtfToPlainText(rtf); });
}

quint64 InboxPane::storeRevision() const
{
    return m_store.revision();
}

ui::ListPane::RowSource InboxPane::rowSource() const
{
    // The rows are asked for in store order, which the store reads in one walk.
    return {m_store.count(),
            [store = &m_store](int index, QStringList &cells) { cells = inboxCells(store->rowAt(index)); }};
}

ui::BodyTexts::Source InboxPane::bodySource() const
{
    return {m_store.revision(), m_store.count(), ui::storedBodies(m_store.firstMessageElement())};
}

} // namespace corvane::receiving
