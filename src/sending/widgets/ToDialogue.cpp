#include "ToDialogue.h"

#include "ComposePrompts.h"

#include "sending/ComposeDraft.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace corvane::sending {

namespace {

QLabel *heading(const QString &text, const char *name, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(QFont(QStringLiteral("Arial"), 10));
    label->setAlignment(Qt::AlignCenter);
    label->setBuddy(buddy);
    return label;
}

QList<int> selectedRows(const QListWidget *list)
{
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            rows.append(row);
    }
    return rows;
}

} // namespace

ToDialogue::ToDialogue(ComposeDraft &draft, ComposePrompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_draft(draft), m_prompts(prompts)
{
    setObjectName(QStringLiteral("ToDialogue"));
    setWindowTitle(tr("Select Addresses"));
    setAcceptDrops(true);

    m_addressList = new QListWidget(this);
    m_addressList->setObjectName(QStringLiteral("ToListLB"));
    m_addressList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_addressList->setAccessibleName(tr("Address Book"));
    m_chosenList = new QListWidget(this);
    m_chosenList->setObjectName(QStringLiteral("ToSelListLB"));
    m_chosenList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_chosenList->setAccessibleName(tr("Recipient List"));

    auto *add = new QPushButton(tr("Add ->"), this);
    add->setObjectName(QStringLiteral("ToAdrB"));
    add->setAccessibleName(tr("Add"));
    add->setAccessibleDescription(tr("Add the selected names to the recipient list"));
    auto *remove = new QPushButton(tr("<- Remove"), this);
    remove->setObjectName(QStringLiteral("RemoveTo"));
    remove->setAccessibleName(tr("Remove"));
    remove->setAccessibleDescription(tr("Remove the selected names from the recipient list"));
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("SelAdrOK"));
    ok->setDefault(true);

    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto *grid = new QGridLayout(this);
    grid->addWidget(heading(tr("Address Book"), "ToAddrBookL", m_addressList, this), 0, 0);
    grid->addWidget(heading(tr("Recipient List"), "ToRecLstL", m_chosenList, this), 0, 2);
    grid->addWidget(m_addressList, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(m_chosenList, 1, 2);
    grid->addWidget(ok, 2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    m_addressList->setFixedSize(160, 220);
    m_chosenList->setFixedSize(160, 220);

    // Tab goes from the names to Add and Remove, then the chosen names and OK.
    QWidget::setTabOrder(m_addressList, add);
    QWidget::setTabOrder(add, remove);
    QWidget::setTabOrder(remove, m_chosenList);
    QWidget::setTabOrder(m_chosenList, ok);

    connect(add, &QPushButton::clicked, this, &ToDialogue::ToAdrBClick);
    connect(m_addressList, &QListWidget::itemDoubleClicked, this, &ToDialogue::ToAdrBClick);
    // Enter on a name adds it, as a double click does, rather than closing the dialog.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *enter = new QShortcut(key, m_addressList, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, &ToDialogue::ToAdrBClick);
    }
    connect(remove, &QPushButton::clicked, this, &ToDialogue::RemoveToClick);
    connect(ok, &QPushButton::clicked, this, &ToDialogue::SelAdrOKClick);
    connect(&m_draft, &ComposeDraft::recipientsChanged, this, [this] {
        showChosen();
        updateList();
    });
}

void ToDialogue::setMirror(QComboBox *toC)
{
    m_mirror = toC;
    updateList();
}

void ToDialogue::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void ToDialogue::FormActivate()
{
    m_addressList->clear();
    if (m_addressNames)
        m_addressList->addItems(m_addressNames());
    showChosen();
}

void ToDialogue::showChosen()
{
    m_chosenList->clear();
    m_chosenList->addItems(m_draft.recipients());
}

void ToDialogue::ToAdrBClick()
{
    QStringList names;
    for (const int row : selectedRows(m_addressList))
        names.append(m_addressList->item(row)->text());
    m_draft.addRecipients(names);
    updateList();
}

void ToDialogue::RemoveToClick()
{
    m_draft.removeRecipientsAt(selectedRows(m_chosenList));
    updateList();
}

void ToDialogue::SelAdrOKClick()
{
    updateList();
    accept();
    m_draft.noteEdit();
}

void ToDialogue::updateList()
{
    if (!m_mirror)
        return;
    m_mirror->clear();
    m_mirror->addItems(m_draft.recipients());
    if (m_mirror->count() == 0)
        m_mirror->setCurrentIndex(-1);
    else
        m_mirror->setCurrentIndex(0);
}

void ToDialogue::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void ToDialogue::dropEvent(QDropEvent *event)
{
    // Files are no recipients.
    event->acceptProposedAction();
    m_prompts.beep();
}

} // namespace corvane::sending
