#include "SentItemsPane.h"

#include "shell/Navigation.h"

#include "sending/SentStore.h"

namespace corvane::shell {

QList<QStringList> sentRows(const sending::SentStore &store)
{
    QList<QStringList> rows;
    for (const sending::SentRow &row : store.rows())
        rows.append({QString::number(row.number), row.to, row.subject, row.attachments, row.date});
    return rows;
}

SentItemsPane::SentItemsPane(sending::SentStore &store, const platform::IniFile &settingsFile, QWidget *parent)
    : ListPane(GridId::Sent, settingsFile, parent), m_store(store)
{
    setObjectName(paneInfo(Pane::SentItems).paneName);
    setCaption(paneInfo(Pane::SentItems).paneCaption);
}

bool &SentItemsPane::refillFlag()
{
    return m_store.SentChanged;
}

} // namespace corvane::shell
