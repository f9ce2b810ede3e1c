#include "receiving/widgets/InboxPane.h"

#include "richtext/RtfPlainText.h"

#include "receiving/InboxStore.h"
#include "receiving/MailReading.h"

#include "platform/Errors.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QAction>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane::receiving {

namespace {

constexpr int kReadColumn = 5;

QStringList inboxCells(const InboxRow &row)
{
    return {QString::number(row.number), row.from, row.subject, row.attachments, row.date, row.read};
}

} // namespace

InboxPane::InboxPane(InboxStore &store, QWidget *parent)
    : ListPane(recordsOf(store), parent), m_store(store), m_toolBar(new QToolBar), m_delete(new QAction(this))
{
    // Find searches the sender, the subject, the attachments and the body.
    addFindField({1, 2, 3}, [](const QString &rtf) { return richtext::rtfToPlainText(rtf); });
    m_toolBar->setObjectName(QStringLiteral("ToolBar5"));
    m_toolBar->setAccessibleName(tr("InBox"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_delete->setObjectName(QStringLiteral("InboxDeleteMsg"));
    m_delete->setText(tr("Delete Message"));
    m_toolBar->addAction(m_delete);
    QWidget *button = m_toolBar->widgetForAction(m_delete);
    button->setObjectName(QStringLiteral("DeleteInboxMsgI"));
    button->setAccessibleName(m_delete->text());
    bodyLayout()->insertWidget(0, m_toolBar);
    grid()->setAccessibleName(tr("Received messages"));

    connect(m_delete, &QAction::triggered, this, &InboxPane::InboxDeleteMsgExecute);
    // inboxSGDblClick, and Enter as users expect of a mail list; Delete deletes.
    connect(grid(), &QAbstractItemView::doubleClicked, this, &InboxPane::openRequested);
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *open = new QShortcut(key, grid(), nullptr, nullptr, Qt::WidgetShortcut);
        connect(open, &QShortcut::activated, this, [this] {
            if (grid()->Row() >= 1)
                Q_EMIT openRequested();
        });
    }
    auto *remove = new QShortcut(QKeySequence(Qt::Key_Delete), grid(), nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, m_delete, &QAction::trigger);

    // Unread messages stand out in bold, as the grid shows their mark.
    grid()->OnGetCellFormat = [](sortgrid::TSortGrid *sender, int, int row, sortgrid::TGridDrawState,
                                 sortgrid::TFormatOptions &format) {
        if (row >= sender->FixedRows() && sender->Cells(kReadColumn, row) == kUnread)
            format.Font.setBold(true);
    };
    grid()->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Their keys come from the window's key table, which the window puts on them.
    addMessageAction(tr("Reply"), "InboxReply", &InboxPane::replyRequested);
    addMessageAction(tr("Reply All"), "InboxReplyAll", &InboxPane::replyAllRequested);
    addMessageAction(tr("Forward"), "InboxForward", &InboxPane::forwardRequested);
    auto *separator = new QAction(grid());
    separator->setSeparator(true);
    grid()->addAction(separator);
    QAction *unread = addContextAction(tr("Mark as Unread"), "InboxMarkUnread", QKeySequence(Qt::CTRL | Qt::Key_U));
    connect(unread, &QAction::triggered, this, &InboxPane::markUnreadExecute);
}

QAction *InboxPane::addContextAction(const QString &caption, const char *name, const QKeySequence &key)
{
    auto *action = new QAction(caption, grid());
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    grid()->addAction(action);
    return action;
}

void InboxPane::addMessageAction(const QString &caption, const char *name, void (InboxPane::*request)(int position))
{
    connect(addContextAction(caption, name, {}), &QAction::triggered, this, [this, request] {
        if (const std::optional<int> position = selectedStorePosition())
            Q_EMIT(this->*request)(*position);
    });
}

void InboxPane::addCheckAction(QAction *checki)
{
    m_toolBar->addAction(checki);
    QWidget *button = m_toolBar->widgetForAction(checki);
    button->setObjectName(QStringLiteral("Checki2"));
    button->setAccessibleName(checki->text());
    button->setAccessibleDescription(checki->toolTip());
}

ui::ListPane::RowSource InboxPane::rowSource() const
{
    // The rows are asked for in store order, which the store reads in one walk.
    return {m_store.count(),
            [store = &m_store](int index, QStringList &cells) { cells = inboxCells(store->rowAt(index)); }};
}

ui::BodyTexts::Source InboxPane::bodySource() const
{
    return {m_store.revision(), m_store.count(), m_store.bodies()};
}

void InboxPane::InboxDeleteMsgExecute()
{
    if (const std::optional<core::Notice> refusal = core::refusalWhileAnyRuns({m_check})) {
        Q_EMIT failed(*refusal);
        return;
    }
    deleteSelected(m_delete, m_confirm, deleteMessageQuestionText(),
                   tr("The message you chose is no longer in the InBox: nothing was deleted."),
                   [this](int position) { m_store.deleteAt(position); }, AfterDelete::SameRow,
                   [this] { Q_EMIT listRequested(); });
}

void InboxPane::markUnreadExecute()
{
    const std::optional<int> position = selectedStorePosition();
    if (!position)
        return;
    try {
        m_store.markUnread(*position);
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::ReadMarksNotSaved, error.message()));
        return;
    }
    showList();
}

} // namespace corvane::receiving
