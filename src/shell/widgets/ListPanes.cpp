#include "ListPanes.h"

#include "PaneStack.h"

#include "addressbook/widgets/AddressListPane.h"
#include "receiving/widgets/InboxPane.h"
#include "sending/widgets/SentItemsPane.h"
#include "shell/MailServices.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QPointer>

namespace corvane::shell {

using ui::ListPane;

void setUpListPane(ListPane &list, Pane pane, GridId id, const platform::IniFile &settingsFile)
{
    list.setObjectName(paneInfo(pane).paneName);
    list.setCaption(paneInfo(pane).paneText());
    configureListGrid(*list.grid(), id);
    list.setDisplaySort(
        [id, &settingsFile](sortgrid::TSortGrid &grid) { applyStoredSort(grid, id, settingsFile); });
}

ListPanes::ListPanes(MailServices &mail, const platform::IniFile &settingsFile, QObject *parent)
    : QObject(parent), m_mail(mail), m_settingsFile(settingsFile), m_inbox(new receiving::InboxPane(mail.inbox)),
      m_sent(new sending::SentItemsPane(mail.sent)), m_address(new addressbook::AddressListPane(mail.addresses))
{
    setUpListPane(*m_inbox, Pane::InBox, GridId::Inbox, settingsFile);
    setUpListPane(*m_sent, Pane::SentItems, GridId::Sent, settingsFile);
    setUpListPane(*m_address, Pane::AddressBook, GridId::Address, settingsFile);
    installClickSortHandlers(grids(), settingsFile);
    for (ListPane *list :
         {static_cast<ListPane *>(m_inbox), static_cast<ListPane *>(m_sent), static_cast<ListPane *>(m_address)}) {
        connect(list, &ListPane::failed, this, &ListPanes::failed);
        connect(list->grid(), &sortgrid::TSortGrid::failed, this, &ListPanes::failed);
        connect(list, &ListPane::statusText, this, &ListPanes::statusText);
    }
}

void ListPanes::placeIn(PaneStack &stack)
{
    stack.setPane(Pane::InBox, m_inbox);
    stack.setPane(Pane::SentItems, m_sent);
    stack.setPane(Pane::AddressBook, m_address);
}

ListPane *ListPanes::pane(Pane pane) const
{
    switch (pane) {
    case Pane::InBox: return m_inbox;
    case Pane::SentItems: return m_sent;
    case Pane::AddressBook: return m_address;
    default: return nullptr;
    }
}

ListGrids ListPanes::grids() const
{
    return ListGrids{m_address->grid(), m_inbox->grid(), m_sent->grid()};
}

void ListPanes::setUpGrids()
{
    const ListGrids all = grids();
    setGridHeaders(all);
    SizeColumns(all, m_settingsFile);
}

std::function<QList<int>()> ListPanes::widthsSource(GridId id) const
{
    const QPointer<sortgrid::TSortGrid> grid = grids().grid(id);
    return [grid] { return grid ? columnWidths(*grid) : QList<int>(); };
}

void ListPanes::markStoresReloaded()
{
    m_mail.inbox.documentReloaded();
    m_mail.sent.documentReloaded();
    m_mail.addresses.documentReloaded();
}

void ListPanes::paneShown(Pane pane)
{
    if (ListPane *list = this->pane(pane))
        list->showList();
}

} // namespace corvane::shell
