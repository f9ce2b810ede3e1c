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

bool &SentItemsPane::refillFlag()
{
    return m_store.SentChanged;
}

} // namespace corvane::sending
