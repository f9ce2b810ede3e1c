#include "AddressPanes.h"

#include "FolderBrowser.h"
#include "Icons.h"
#include "PaneStack.h"
#include "WindowServices.h"

#include "addressbook/widgets/AddressBookCommands.h"
#include "addressbook/widgets/AddressEditPane.h"
#include "addressbook/widgets/AddressListPane.h"

#include <QAction>

namespace corvane::shell {

using addressbook::AddressBookCommands;
using addressbook::AddressEditPane;

AddressPanes::AddressPanes(addressbook::AddressStore &store, addressbook::AddressListPane &list,
                           FolderBrowser &folders, MessagePresenter &messages, QObject *parent)
    : QObject(parent), m_commands(new AddressBookCommands(store, list)), m_edit(new AddressEditPane(store, list))
{
    m_commands->newAction()->setIcon(icons::named("address-book-new"));
    m_commands->deleteAction()->setIcon(icons::deleteItem());
    m_commands->setConfirm(
        [&messages](QWidget *window, const QString &question) { return messages.confirm(window, question); });
    m_edit->setFolderChooser([&folders](QWidget *pane) { return folders.browseFromRemembered(pane); });
    connect(m_commands, &AddressBookCommands::editRequested, this, &AddressPanes::editRequested);
    connect(m_commands, &AddressBookCommands::failed, this, &AddressPanes::failed);
    // New Address: the Address Edit pane comes to the front with a new entry instead of the
    // selected one.
    connect(m_commands, &AddressBookCommands::newRequested, this, [this] {
        m_newOnShow = true;
        Q_EMIT editRequested();
        m_newOnShow = false;
    });
    connect(m_edit, &AddressEditPane::failed, this, &AddressPanes::failed);
}

void AddressPanes::setAddressReader(const core::LongOperation &reader)
{
    m_commands->setReader(&reader);
    m_edit->setReader(&reader);
}

void AddressPanes::placeIn(PaneStack &stack)
{
    stack.setPane(Pane::AddressEdit, m_edit);
}

void AddressPanes::paneShown(Pane pane)
{
    if (pane != Pane::AddressEdit)
        return;
    // A refused New (the reachable folders are being collected) shows the selected entry.
    if (!m_newOnShow || !m_edit->startNew())
        m_edit->display();
}

} // namespace corvane::shell
