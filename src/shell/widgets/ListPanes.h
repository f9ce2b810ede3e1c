#pragma once

#include "GridSetup.h"

#include "core/Notice.h"
#include "shell/Navigation.h"

#include <QObject>

#include <functional>

namespace corvane::addressbook {
class AddressListPane;
}
namespace corvane::receiving {
class InboxPane;
}
namespace corvane::sending {
class SentItemsPane;
}
namespace corvane::ui {
class ListPane;
}

namespace corvane::shell {

class MailServices;
class PaneStack;

// Makes a list pane the window's pane for a navigation entry: its object name and caption, its
// grid one of the list grids, and that grid's stored sort run at every display. settingsFile is
// read at every display and must outlive the pane.
void setUpListPane(ui::ListPane &list, Pane pane, GridId id, const platform::IniFile &settingsFile);

// The window's three list panes (InBox, Sent Items, Address Book) and what the window does with
// their grids: header rows, widths and stored sorts at start-up, the sort keys a header click
// stores, the widths written when the window goes, and the refill when a pane comes to the front.
class ListPanes : public QObject
{
    Q_OBJECT

public:
    // settingsFile must outlive the panes.
    ListPanes(MailServices &mail, const platform::IniFile &settingsFile, QObject *parent = nullptr);

    // Hands the panes to the stack, which owns them from then on.
    void placeIn(PaneStack &stack);

    receiving::InboxPane *inbox() const { return m_inbox; }
    sending::SentItemsPane *sent() const { return m_sent; }
    addressbook::AddressListPane *address() const { return m_address; }
    // The list pane shown for a navigation pane; none for the other panes.
    ui::ListPane *pane(Pane pane) const;
    ListGrids grids() const;

    // The start-up steps of the grids: the header rows, then the widths and stored sorts.
    void setUpGrids();
    // The current widths of a grid's columns, for the window to write when it goes.
    std::function<QList<int>()> widthsSource(GridId id) const;
    // The stores were loaded anew: every list fills again at its next display.
    void markStoresReloaded();

    // A pane came to the front: a list pane brings its grid up to date.
    void paneShown(Pane pane);

Q_SIGNALS:
    void failed(const core::Notice &notice);
    // What a list is doing (reading message texts for Find), for the status bar.
    void statusText(const QString &text);

private:
    MailServices &m_mail;
    const platform::IniFile &m_settingsFile;
    // Owned by the window's pane stack once placed; they live as long as the window.
    receiving::InboxPane *m_inbox;
    sending::SentItemsPane *m_sent;
    addressbook::AddressListPane *m_address;
};

} // namespace corvane::shell
