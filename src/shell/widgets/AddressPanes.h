#pragma once

#include "core/Notice.h"
#include "shell/Navigation.h"

#include <QObject>

namespace corvane::addressbook {
class AddressBookCommands;
class AddressEditPane;
class AddressListPane;
class AddressStore;
} // namespace corvane::addressbook

namespace corvane::core {
class LongOperation;
}

namespace corvane::shell {

class FolderBrowser;
class MessagePresenter;
class PaneStack;

// The address panes as the window composes them: the Address Book's commands on its list pane,
// and the Address Edit pane, with the window's confirmations, folder picker and delete icon.
class AddressPanes : public QObject
{
    Q_OBJECT

public:
    // Everything given must outlive the panes.
    AddressPanes(addressbook::AddressStore &store, addressbook::AddressListPane &list, FolderBrowser &folders,
                 MessagePresenter &messages, QObject *parent = nullptr);

    // Hands the Address Edit pane to the stack, which owns it from then on.
    void placeIn(PaneStack &stack);
    // The collection of reachable folders: the address list is not changed while it runs.
    void setAddressReader(const core::LongOperation &reader);

    addressbook::AddressBookCommands *commands() const { return m_commands; }
    addressbook::AddressEditPane *editPane() const { return m_edit; }

    // A pane came to the front: the Address Edit pane shows its entry.
    void paneShown(Pane pane);

Q_SIGNALS:
    // A double click (or Enter) on an address asks for the Address Edit pane.
    void editRequested();
    void failed(const core::Notice &notice);

private:
    addressbook::AddressBookCommands *m_commands;
    addressbook::AddressEditPane *m_edit;
    bool m_newOnShow = false; // the Address Edit pane is being shown for New Address
};

} // namespace corvane::shell
