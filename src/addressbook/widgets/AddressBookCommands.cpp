#include "AddressBookCommands.h"

#include "AddressGrid.h"
#include "AddressListPane.h"

#include "addressbook/AddressEditing.h"
#include "addressbook/AddressStore.h"
#include "platform/Errors.h"
#include "sortgrid/widgets/SortGrid.h"
#include "ui/widgets/MessageBoxes.h"

#include <QAction>
#include <QBoxLayout>
#include <QPointer>
#include <QToolBar>

namespace corvane::addressbook {

AddressBookCommands::AddressBookCommands(AddressStore &store, AddressListPane &list)
    : QObject(&list), m_store(store), m_list(list),
      m_confirm([](QWidget *parent, const QString &question) { return ui::askYesNo(parent, QString(), question); }),
      m_toolBar(new QToolBar(list.body())), m_new(new QAction(tr("New Address"), this)),
      m_delete(new QAction(tr("Delete Address"), this))
{
    m_toolBar->setObjectName(QStringLiteral("ToolBar6"));
    m_toolBar->setAccessibleName(tr("Address Book tools"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_new->setToolTip(tr("Add a new address and edit it"));
    m_toolBar->addAction(m_new);
    QWidget *newButton = m_toolBar->widgetForAction(m_new);
    newButton->setObjectName(QStringLiteral("NewAdrI"));
    newButton->setAccessibleName(m_new->text());
    newButton->setAccessibleDescription(m_new->toolTip());
    m_delete->setToolTip(tr("Delete Address"));
    m_toolBar->addAction(m_delete);
    QWidget *button = m_toolBar->widgetForAction(m_delete);
    button->setObjectName(QStringLiteral("DeleteAdrI"));
    button->setAccessibleName(m_delete->toolTip());
    button->setAccessibleDescription(m_delete->toolTip());
    if (auto *layout = qobject_cast<QBoxLayout *>(list.body()->layout()))
        layout->insertWidget(0, m_toolBar);

    sortgrid::TSortGrid *grid = list.grid();
    grid->setAccessibleName(tr("Address Book"));
    // The keys users expect of a list: Delete deletes the selected address, Enter opens it.
    auto *deleteKey = new QAction(this);
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    grid->addAction(deleteKey);
    auto *openKeys = new QAction(this);
    openKeys->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    openKeys->setShortcutContext(Qt::WidgetShortcut);
    grid->addAction(openKeys);

    connect(m_new, &QAction::triggered, this, &AddressBookCommands::newRequested);
    connect(m_delete, &QAction::triggered, this, &AddressBookCommands::DeleteAdrIClick);
    connect(deleteKey, &QAction::triggered, this, &AddressBookCommands::DeleteAdrIClick);
    connect(openKeys, &QAction::triggered, this, [this] {
        if (m_list.grid()->Row() >= 1)
            Q_EMIT editRequested();
    });
    connect(grid, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (m_list.grid()->gridData().gridRow(index) >= 1)
            Q_EMIT editRequested();
    });
}

void AddressBookCommands::DeleteAdrIClick()
{
    sortgrid::TSortGrid &grid = *m_list.grid();
    if (grid.Row() < grid.FixedRows())
        return;
    if (const std::optional<core::Notice> refused = m_reader ? m_reader->refusalWhileRunning() : std::nullopt) {
        Q_EMIT failed(*refused);
        return;
    }
    const auto gone = [this](const QString &text) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::RecordGone, text));
    };
    // The entry the user pressed Delete on, by its identity: the list may fill again while the
    // question is open.
    const std::optional<platform::RecordId> record = m_list.selectedRecord();
    if (!record)
        return gone(tr("The selected row shows no address of the address book"));
    const QPointer<AddressListPane> alive(&m_list);
    if (!m_confirm(m_list.window(), confirmDeleteAddressText()) || !alive)
        return;
    const std::optional<int> position = m_list.positionOfRecord(*record);
    if (!position)
        return gone(tr("The address you chose is no longer in the address book: nothing was deleted."));
    try {
        const int row = grid.Row();
        m_store.remove(*position);
        // The list renumbers its rows; the row that took the deleted one's place is selected.
        refreshAddressList(m_list, std::nullopt, [&grid, row] {
            if (grid.RowCount() > 1)
                grid.setRow(std::min(row, grid.RowCount() - 1));
        });
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::DeleteFailed, error.message()));
    }
}

} // namespace corvane::addressbook
