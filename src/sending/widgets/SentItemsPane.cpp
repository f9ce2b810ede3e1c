#include "sending/widgets/SentItemsPane.h"

#include "sending/SentStore.h"

namespace corvane::sending {

QList<QStringList> sentRows(const SentStore &store)
{
    QList<QStringList> rows;
    for (const SentRow &row : store.rows())
        rows.append({QString::number(row.number), row.to, row.subject, row.attachments, row.date});
    return rows;
}

SentItemsPane::SentItemsPane(SentStore &store, QWidget *parent) : ListPane(parent), m_store(store) {}

quint64 SentItemsPane::storeRevision() const
{
    return m_store.revision();
}

} // namespace corvane::sending
