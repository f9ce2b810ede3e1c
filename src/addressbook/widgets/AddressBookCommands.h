#pragma once

#include "addressbook/MailSettings.h"
#include "core/Notice.h"

#include "core/LongOperation.h"

#include <QObject>

#include <functional>

class QAction;
class QToolBar;
class QWidget;

namespace corvane::addressbook {

class AddressListPane;
class AddressStore;

// The Address Book pane's commands: the tool bar ToolBar6 with New Address and Delete Address
// above the grid, the Delete key, and a double click or Enter on a row, which asks for that entry
// in the Address Edit pane. Each command finds its entry through the row's "Address No.", never
// its index.
class AddressBookCommands : public QObject
{
    Q_OBJECT

public:
    // Asks a question with Yes and No; true on Yes.
    using Confirm = std::function<bool(QWidget *parent, const QString &question)>;

    // store and list must outlive the commands, which the list owns.
    AddressBookCommands(AddressStore &store, AddressListPane &list);

    void setConfirm(Confirm confirm) { m_confirm = std::move(confirm); }
    QAction *newAction() const { return m_new; }
    QAction *deleteAction() const { return m_delete; }
    // An operation that reads the address list (the collection of reachable folders): while it
    // runs, Delete is refused with its notice.
    void setReader(const core::LongOperation *reader) { m_reader = reader; }

    void DeleteAdrIClick();

Q_SIGNALS:
    // The entry of the selected row is to be shown in the Address Edit pane.
    void editRequested();
    // A new entry is to be made and shown in the Address Edit pane.
    void newRequested();
    void failed(const core::Notice &notice);

private:
    AddressStore &m_store;
    AddressListPane &m_list;
    Confirm m_confirm;
    const core::LongOperation *m_reader = nullptr;
    QToolBar *m_toolBar;
    QAction *m_new;
    QAction *m_delete;
};

} // namespace corvane::addressbook
