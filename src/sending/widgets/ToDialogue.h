#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;
class QListWidget;
class QPushButton;

namespace corvane::sending {

class ComposeDraft;
class ComposePrompts;

// "Select Addresses" (TToDialogue): picks recipient names from the address book into the draft's
// recipient list. Created once and kept; its chosen list is the draft's recipient list.
class ToDialogue : public QDialog
{
    Q_OBJECT

public:
    ToDialogue(ComposeDraft &draft, ComposePrompts &prompts, QWidget *parent = nullptr);

    // The address book's names in the address grid's current order, asked for each time the dialog
    // comes up (the grid is brought up to date first).
    void setAddressNames(std::function<QStringList()> names) { m_addressNames = std::move(names); }
    // The compose pane's recipient box ToC, which mirrors the chosen list.
    void setMirror(QComboBox *toC);

    // updateList: ToC's entries become the chosen names; its first is selected, or its text
    // emptied when there are none.
    void updateList();

    QListWidget *addressList() const { return m_addressList; }
    QListWidget *chosenList() const { return m_chosenList; }

protected:
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FormActivate();
    void ToAdrBClick();
    void RemoveToClick();
    void SelAdrOKClick();
    void showChosen();

    ComposeDraft &m_draft;
    ComposePrompts &m_prompts;
    std::function<QStringList()> m_addressNames;
    QComboBox *m_mirror = nullptr;
    QListWidget *m_addressList = nullptr; // ToListLB
    QListWidget *m_chosenList = nullptr;  // ToSelListLB
};

} // namespace corvane::sending
