#include "AddressEditPane.h"

#include "AddressGrid.h"
#include "AddressListPane.h"

#include "addressbook/AddressEditing.h"
#include "platform/Errors.h"
#include "sortgrid/widgets/SortGrid.h"
#include "ui/FolderFields.h"
#include "ui/widgets/GrowingField.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace corvane::addressbook {

namespace {

constexpr int kInboxDesignWidth = 177;

QLineEdit *labelledEdit(QVBoxLayout *layout, QWidget *parent, const char *name, const QString &label,
                        QWidget *slot = nullptr, QWidget *beside = nullptr)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(label);
    auto *caption = new QLabel(label, parent);
    caption->setObjectName(QLatin1String(name) + QStringLiteral("Label"));
    caption->setBuddy(edit);
    layout->addWidget(caption);
    if (slot || beside) {
        auto *row = new QHBoxLayout;
        row->addWidget(slot ? slot : edit);
        if (beside)
            row->addWidget(beside);
        row->addStretch(1);
        layout->addLayout(row);
    } else {
        layout->addWidget(edit);
    }
    layout->addSpacing(6);
    return edit;
}

// Two rows of buttons, Prev over New on the left and Next over Save on the right, each centred
// 43 px left or right of the pane's centre (halves rounded toward zero) at every width.
class ButtonColumns : public QWidget
{
public:
    ButtonColumns(QWidget *pane, QWidget *parent) : QWidget(parent), m_pane(pane) {}

    void add(QPushButton *button, int row, bool right)
    {
        button->setParent(this);
        m_buttons.append({button, row, right});
        const int rowHeight = button->sizeHint().height();
        m_rowHeight = std::max(m_rowHeight, rowHeight);
        setFixedHeight(2 * m_rowHeight + kRowSpacing);
    }

protected:
    void resizeEvent(QResizeEvent *) override { place(); }

private:
    static constexpr int kRowSpacing = 6;
    static constexpr int kColumnOffset = 43;

    struct Placed
    {
        QPushButton *button;
        int row;
        bool right;
    };

    void place()
    {
        const int paneWidth = m_pane->width();
        const int origin = mapTo(m_pane, QPoint(0, 0)).x();
        for (const Placed &placed : m_buttons) {
            const int width = placed.button->sizeHint().width();
            const int left = paneWidth / 2 - width / 2 + (placed.right ? kColumnOffset : -kColumnOffset);
            placed.button->setGeometry(left - origin, placed.row * (m_rowHeight + kRowSpacing), width, m_rowHeight);
        }
    }

    QWidget *m_pane;
    QList<Placed> m_buttons;
    int m_rowHeight = 0;
};

} // namespace

AddressEditPane::AddressEditPane(AddressStore &store, AddressListPane &list, QWidget *parent)
    : CaptionPanel(tr("Address Edit"), parent), m_store(store), m_list(list)
{
    setObjectName(QStringLiteral("AddressPan2"));
    QWidget *form = body();
    auto *fields = new QVBoxLayout;
    fields->setSpacing(2);

    m_name = labelledEdit(fields, form, "AddressNameE", tr("Name"));
    m_name->setFixedWidth(kInboxDesignWidth);

    // The inbox field keeps its design width in the layout and widens over its neighbours while
    // the mouse rests on it, to show a long path whole.
    auto *inbox = new QLineEdit;
    inbox->setObjectName(QStringLiteral("AddressInBoxE"));
    m_inboxGrowth = new ui::GrowingField(inbox, form, kInboxDesignWidth);
    auto *browse = new QPushButton(tr("Browse"), form);
    browse->setObjectName(QStringLiteral("AddressInBoxB"));
    browse->setToolTip(tr("Choose the inbox folder on the shared drive"));
    browse->setAccessibleName(browse->text());
    browse->setAccessibleDescription(browse->toolTip());
    auto *inboxLabel = new QLabel(tr("Corvane Inbox"), form);
    inboxLabel->setObjectName(QStringLiteral("AddressInBoxELabel"));
    inboxLabel->setBuddy(inbox);
    inbox->setAccessibleName(inboxLabel->text());
    fields->addWidget(inboxLabel);
    auto *inboxRow = new QHBoxLayout;
    inboxRow->addWidget(m_inboxGrowth->slot());
    inboxRow->addWidget(browse);
    inboxRow->addStretch(1);
    fields->addLayout(inboxRow);
    fields->addSpacing(6);
    m_inbox = inbox;
    m_inbox->installEventFilter(this);

    m_comment = labelledEdit(fields, form, "AddressCommentE", tr("Comment"));
    m_comment->setMinimumWidth(kInboxDesignWidth);
    m_comment->setMaximumWidth(350);

    m_server = new QCheckBox(tr("Use as Server"), form);
    m_server->setObjectName(QStringLiteral("AddressServer"));
    m_server->setToolTip(tr("Messages for people whose inbox cannot be reached are also left in "
                            "this folder, and mail for you is looked for in it"));
    m_server->setAccessibleName(m_server->text());
    m_server->setAccessibleDescription(m_server->toolTip());
    fields->addWidget(m_server);

    // Two rows of buttons near the bottom: Prev and Next, New and Save.
    auto *buttons = new ButtonColumns(this, form);
    const struct
    {
        const char *name;
        QString caption;
        QString hint;
        int row;
        bool right;
        void (AddressEditPane::*click)();
    } commands[] = {
        {"AddressPrevB", tr("<-- Prev"), tr("Show the previous address"), 0, false,
         &AddressEditPane::AddressPrevBClick},
        {"AddressNextB", tr("Next -->"), tr("Show the next address"), 0, true, &AddressEditPane::AddressNextBClick},
        {"AddressNewB", tr("New"), tr("Add a new, empty address"), 1, false, &AddressEditPane::AddressNewBClick},
        {"AddressSaveB", tr("Save"), tr("Save this address"), 1, true, &AddressEditPane::AddressSaveBClick},
    };
    for (const auto &command : commands) {
        QPushButton *button = addButton(command.name, command.caption, command.hint);
        buttons->add(button, command.row, command.right);
        connect(button, &QPushButton::clicked, this, command.click);
    }

    auto *layout = new QVBoxLayout(form);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(browse, &QPushButton::clicked, this, &AddressEditPane::AddressInBoxBClick);
}

QPushButton *AddressEditPane::addButton(const char *name, const QString &caption, const QString &hint)
{
    auto *button = new QPushButton(caption, body());
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAccessibleName(caption);
    button->setAccessibleDescription(hint);
    return button;
}

template <typename Command>
void AddressEditPane::reporting(Command command)
{
    try {
        command();
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::AddressEditFailed, error.message()));
    }
}

void AddressEditPane::display()
{
    reporting([this] {
        const QPointer<AddressEditPane> alive(this);
        refreshAddressList(m_list, m_list.selectedRecord(), [this, alive] {
            if (alive)
                reporting([this] { showSelected(); });
        });
    });
}

void AddressEditPane::showSelected()
{
    const int count = m_store.count();
    if (count == 0) {
        AddressNewBClick();
        return;
    }
    sortgrid::TSortGrid &grid = *m_list.grid();
    std::optional<int> position = m_list.selectedStorePosition();
    if (!position && grid.RowCount() > 1) {
        grid.setRow(1);
        position = m_list.selectedStorePosition();
    }
    // A grid with no rows yet stands for the store in its own order: the first entry.
    if (!position && grid.RowCount() <= 1)
        position = 0;
    if (!position)
        throw Error(tr("The Address Book's selected row shows no address of the address book"));
    showEntry(*position, m_store.entryAt(*position));
}

std::optional<int> AddressEditPane::shownPosition() const
{
    return m_record ? m_store.positionOf(*m_record) : std::nullopt;
}

void AddressEditPane::showEntry(int position, const AddressEntry &entry)
{
    m_record = m_store.recordId(position);
    m_name->setText(entry.Name);
    m_inbox->setText(entry.Inbox);
    m_comment->setText(entry.Comment);
    m_server->setChecked(entry.Server);
}

AddressEntry AddressEditPane::fieldValues() const
{
    return {m_name->text(), m_inbox->text(), m_comment->text(), m_server->isChecked()};
}

void AddressEditPane::step(int direction)
{
    reporting([this, direction] {
        const QPointer<AddressEditPane> alive(this);
        refreshAddressList(m_list, m_record, [this, alive, direction] {
            if (!alive)
                return;
            reporting([this, direction] {
                sortgrid::TSortGrid &grid = *m_list.grid();
                grid.setRow(steppedRow(grid.Row(), grid.RowCount(), direction));
                showSelected();
            });
        });
    });
}

bool AddressEditPane::refusedWhileRead()
{
    const std::optional<core::Notice> refused = m_reader ? m_reader->refusalWhileRunning() : std::nullopt;
    if (refused)
        Q_EMIT failed(*refused);
    return refused.has_value();
}

void AddressEditPane::AddressSaveBClick()
{
    if (refusedWhileRead())
        return;
    reporting([this] {
        if (!m_record) {
            display();
            return;
        }
        const AddressEntry entry = fieldValues();
        if (const std::optional<SaveRefusal> refused = saveRefusal(entry)) {
            // The field to correct takes the cursor; what was typed stays.
            (refused->field == SaveRefusal::Field::Name ? m_name : m_inbox)->setFocus(Qt::OtherFocusReason);
            Q_EMIT failed(refused->notice);
            return;
        }
        // The entry is found by its identity: entries deleted since it was shown moved it.
        const std::optional<int> position = m_store.positionOf(*m_record);
        if (!position)
            throw Error(tr("The address shown was deleted from the address book meanwhile: nothing was saved."));
        m_store.update(*position, entry);
    });
}

void AddressEditPane::AddressNewBClick()
{
    startNew();
}

bool AddressEditPane::startNew()
{
    if (refusedWhileRead())
        return false;
    bool made = false;
    reporting([this, &made] {
        const int position = m_store.append();
        showEntry(position, {});
        m_name->setFocus(Qt::OtherFocusReason); // the user types the name first
        // The new entry's row is selected, wherever the list's sort puts it.
        refreshAddressList(m_list, m_record);
        made = true;
    });
    return made;
}

void AddressEditPane::newEntryNamed(const QString &name)
{
    const std::optional<platform::RecordId> before = m_record;
    AddressNewBClick();
    if (m_record == before)
        return; // refused, or failed and said so
    m_name->setText(name);
    m_inbox->setFocus(Qt::OtherFocusReason);
}

void AddressEditPane::AddressInBoxBClick()
{
    if (!m_chooseFolder)
        return;
    // Cancel leaves the field as it was: what the user typed is never lost to the picker.
    if (const std::optional<QString> text = m_chooseFolder(this))
        m_inbox->setText(*text);
}

bool AddressEditPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_inbox && event->type() == QEvent::FocusOut) {
        const QString text = ui::folderFieldOnExit(m_inbox->text());
        if (text != m_inbox->text())
            m_inbox->setText(text);
    }
    return CaptionPanel::eventFilter(watched, event);
}

} // namespace corvane::addressbook
