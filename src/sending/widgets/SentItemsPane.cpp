#include "sending/widgets/SentItemsPane.h"

#include "richtext/RtfPlainText.h"

#include "sending/SentStore.h"

#include "sortgrid/widgets/SortGrid.h"

#include <QAction>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>

namespace corvane::sending {

QList<QStringList> sentRows(const SentStore &store)
{
    QList<QStringList> rows;
    for (const SentRow &row : store.rows())
        rows.append({QString::number(row.number), row.to, row.subject, row.attachments, row.date});
    return rows;
}

SentItemsPane::SentItemsPane(SentStore &store, QWidget *parent)
    : ListPane(recordsOf(store), parent), m_store(store), m_delete(new QAction(QStringLiteral("Delete Item"), this))
{
    // Find searches the recipients, the subject, the attachments and the body.
    addFindField({1, 2, 3}, [](const QString &rtf) { return richtext::rtfToPlainText(rtf); });
    auto *toolBar = new QToolBar;
    toolBar->setObjectName(QStringLiteral("ToolBar7"));
    toolBar->setAccessibleName(QStringLiteral("Sent Items"));
    toolBar->setIconSize(QSize(16, 16));
    m_delete->setObjectName(QStringLiteral("SentDelete"));
    m_delete->setToolTip(QStringLiteral("Delete Item"));
    toolBar->addAction(m_delete);
    QWidget *button = toolBar->widgetForAction(m_delete);
    button->setObjectName(QStringLiteral("DeleteSentI"));
    button->setAccessibleName(m_delete->text());
    button->setAccessibleDescription(m_delete->toolTip());
    bodyLayout()->insertWidget(0, toolBar);
    grid()->setAccessibleName(QStringLiteral("Sent messages"));

    connect(m_delete, &QAction::triggered, this, &SentItemsPane::DeleteSentIClick);
    auto *remove = new QShortcut(QKeySequence(Qt::Key_Delete), grid(), nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, m_delete, &QAction::trigger);
    // A double click reopens the message of its row (found through "Msg No.") for sending.
    connect(grid(), &QAbstractItemView::doubleClicked, this, [this] {
        if (const std::optional<int> position = selectedStorePosition())
            Q_EMIT reopenRequested(*position);
    });
}

ui::BodyTexts::Source SentItemsPane::bodySource() const
{
    return {m_store.revision(), m_store.count(), m_store.bodies()};
}

void SentItemsPane::DeleteSentIClick()
{
    deleteSelected(m_delete, m_confirm, kDeleteSentQuestion,
                   tr("The message you chose is no longer in Sent Items: nothing was deleted."),
                   [this](int position) { m_store.deleteAt(position); }, AfterDelete::SameRowOrPrevious,
                   [this] { Q_EMIT listRequested(); });
}

} // namespace corvane::sending
