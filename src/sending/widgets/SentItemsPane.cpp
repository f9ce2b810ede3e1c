#include "sending/widgets/SentItemsPane.h"

#include "richtext/RtfPlainText.h"
#include "ui/StoredBodies.h"

#include "sending/SentStore.h"

namespace corvane::sending {

QList<QStringList> sentRows(const SentStore &store)
{
    QList<QStringList> rows;
    for (const SentRow &row : store.rows())
        rows.append({QString::number(row.number), row.to, row.subject, row.attachments, row.date});
    return rows;
}

SentItemsPane::SentItemsPane(SentStore &store, QWidget *parent) : ListPane(parent), m_store(store)
{
    // Find searches the recipients, the subject, the attachments and the body.
    addFindField({1, 2, 3}, [](const QString &rtf) { return richtext::rtfToPlainText(rtf); });
}

quint64 SentItemsPane::storeRevision() const
{
    return m_store.revision();
}

ui::BodyTexts::Source SentItemsPane::bodySource() const
{
    return {m_store.revision(), m_store.count(), ui::storedBodies(m_store.firstMessageElement())};
}

} // namespace corvane::sending
