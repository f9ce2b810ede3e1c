#include "AddressListPane.h"

#include "shell/Navigation.h"

#include "addressbook/AddressStore.h"
#include "addressbook/RecipientList.h"

namespace corvane::shell {

QList<QStringList> addressRows(const addressbook::AddressStore &store)
{
    QList<QStringList> rows;
    for (const addressbook::AddressEntry &entry : store.entries())
        rows.append({QString::number(rows.size() + 1), entry.Name, entry.Inbox, entry.Comment,
                     entry.Server ? addressbook::kTrue : addressbook::kFalse});
    return rows;
}

AddressListPane::AddressListPane(addressbook::AddressStore &store, const platform::IniFile &settingsFile,
                                 QWidget *parent)
    : ListPane(GridId::Address, settingsFile, parent), m_store(store)
{
    setObjectName(paneInfo(Pane::AddressBook).paneName);
    setCaption(paneInfo(Pane::AddressBook).paneCaption);
}

bool &AddressListPane::refillFlag()
{
    return m_store.AddressListDirty;
}

} // namespace corvane::shell
