#pragma once

#include "core/LongOperation.h"
#include "core/Notice.h"
#include "addressbook/AddressStore.h"
#include "addressbook/MailSettings.h"

#include "ui/widgets/CaptionPanel.h"

#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace corvane::ui {
class GrowingField;
}

namespace corvane::addressbook {

class AddressListPane;

// The Address Edit pane ("AddressPan2"): one entry of the address book in edit fields, saved by
// Save, with New for another entry and Prev and Next stepping through the Address Book's grid in
// the order it shows. The entry shown is the one the grid's selected row shows; the fields are its
// only copy, and unsaved changes are dropped by Prev, Next and New.
class AddressEditPane : public ui::CaptionPanel
{
    Q_OBJECT

public:
    // Asks the user for a folder; returns the field's new text (ending in the separator), or
    // nothing when the user cancels.
    using FolderChooser = std::function<std::optional<QString>(QWidget *parent)>;

    // store and list must outlive the pane.
    AddressEditPane(AddressStore &store, AddressListPane &list, QWidget *parent = nullptr);

    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }
    // An operation that reads the address list (the collection of reachable folders): while it
    // runs, Save and New are refused with its notice.
    void setReader(const core::LongOperation *reader) { m_reader = reader; }

    // The pane's display: the entry of the grid's selected row, or a new entry when the store is
    // empty.
    void display();
    // The store position of the entry the fields show; nothing before the first display and when
    // that entry is gone.
    std::optional<int> shownPosition() const;

    // New, with the name filled in and the cursor in the inbox folder field: a recipient the
    // address book lacks, to be added.
    void newEntryNamed(const QString &name);

    void AddressSaveBClick();
    void AddressNewBClick();
    // New: a new, empty entry, stored and shown with the cursor in its name field; false when
    // refused or failed (the user was told).
    bool startNew();
    void AddressPrevBClick() { step(-1); }
    void AddressNextBClick() { step(+1); }
    void AddressInBoxBClick();

Q_SIGNALS:
    // A command stopped on an error, or Save refused the entry.
    void failed(const core::Notice &notice);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows the reader's refusal while it runs; true if refused.
    bool refusedWhileRead();
    QPushButton *addButton(const char *name, const QString &caption, const QString &hint);
    void step(int direction);
    // Shows the entry of the selected row; New when the store is empty.
    void showSelected();
    void showEntry(int position, const AddressEntry &entry);
    AddressEntry fieldValues() const;
    // Runs a command, reporting its error.
    template <typename Command>
    void reporting(Command command);

    AddressStore &m_store;
    AddressListPane &m_list;
    FolderChooser m_chooseFolder;
    const core::LongOperation *m_reader = nullptr;
    std::optional<platform::RecordId> m_record; // the entry the fields show

    QLineEdit *m_name;
    QLineEdit *m_inbox;
    QLineEdit *m_comment;
    QCheckBox *m_server;
    ui::GrowingField *m_inboxGrowth;
};

} // namespace corvane::addressbook
