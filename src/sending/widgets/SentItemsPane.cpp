#include "sending/widgets/SentItemsPane.h"

#include "richtext/RtfPlainText.h"

#include "sending/SentStore.h"

#include "sortgrid/widgets/SortGrid.h"
#include "ui/widgets/ListSelection.h"

#include <QAction>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>

namespace corvane::sending {

namespace {

constexpr int kDeliveryColumn = 5;

} // namespace

QList<QStringList> sentRows(const SentStore &store, const std::function<QString(int position)> &known)
{
    QList<QStringList> rows;
    for (const SentRow &row : store.rows())
        rows.append({QString::number(row.number), row.to, row.subject, row.attachments, row.date,
                     known ? known(row.number - 1) : QString()});
    return rows;
}

SentItemsPane::SentItemsPane(SentStore &store, QWidget *parent)
    : ListPane(recordsOf(store), parent), m_store(store), m_delete(new QAction(tr("Delete Item"), this)),
      m_watch(new DeliveryWatch(this))
{
    // Find searches the recipients, the subject, the attachments and the body.
    addFindField({1, 2, 3}, [](const QString &rtf) { return richtext::rtfToPlainText(rtf); });
    auto *toolBar = new QToolBar;
    toolBar->setObjectName(QStringLiteral("ToolBar7"));
    toolBar->setAccessibleName(tr("Sent Items"));
    toolBar->setIconSize(QSize(16, 16));
    m_delete->setObjectName(QStringLiteral("SentDelete"));
    m_delete->setToolTip(tr("Delete Item"));
    toolBar->addAction(m_delete);
    QWidget *button = toolBar->widgetForAction(m_delete);
    button->setObjectName(QStringLiteral("DeleteSentI"));
    button->setAccessibleName(m_delete->text());
    button->setAccessibleDescription(m_delete->toolTip());
    bodyLayout()->insertWidget(0, toolBar);
    grid()->setAccessibleName(tr("Sent messages"));

    connect(this, &ui::ListPane::listShown, this, &SentItemsPane::lookAtDelivery);
    connect(m_watch, &DeliveryWatch::looked, this, &SentItemsPane::showDelivery);
    connect(m_delete, &QAction::triggered, this, &SentItemsPane::DeleteSentIClick);
    auto *remove = new QShortcut(QKeySequence(Qt::Key_Delete), grid(), nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, m_delete, &QAction::trigger);
    // A double click reopens the message of its row (found through "Msg No.") for sending.
    connect(grid(), &QAbstractItemView::doubleClicked, this, [this] {
        if (const std::optional<int> position = selectedStorePosition())
            Q_EMIT reopenRequested(*position);
    });
}

ui::ListPane::RowSource SentItemsPane::rowSource() const
{
    // The list shows at once with what is known; the rest is filled in after it (lookAtDelivery).
    return rowsOf(sentRows(m_store, [this](int position) {
        const std::optional<platform::RecordId> id = m_store.recordId(position);
        return id ? m_watch->cached(*id) : QString();
    }));
}

void SentItemsPane::lookAtDelivery()
{
    DeliveryWatch::Records records;
    for (int position = 0; position < m_store.count(); ++position) {
        const std::optional<DeliveryRecord> &delivery = m_store.delivery(position);
        const std::optional<platform::RecordId> id = m_store.recordId(position);
        if (delivery && id && m_watch->cached(*id).isEmpty())
            records.emplace_back(*id, *delivery);
    }
    if (!records.empty())
        m_watch->look(std::move(records));
}

void SentItemsPane::showDelivery(const QList<DeliveryWatch::State> &states)
{
    // The grid shows positions of the store as it was filled: an answer for a list being filled
    // again waits for the look that follows that display.
    if (refillDue() || grid()->gridData().isFilling())
        return;
    for (const DeliveryWatch::State &state : states) {
        const std::optional<int> position = positionOfRecord(state.id);
        const std::optional<int> row = position ? ui::rowOfPosition(*grid(), *position) : std::nullopt;
        if (row)
            grid()->setCells(kDeliveryColumn, *row, state.text);
    }
}

ui::BodyTexts::Source SentItemsPane::bodySource() const
{
    return {m_store.revision(), m_store.count(), m_store.bodies()};
}

void SentItemsPane::DeleteSentIClick()
{
    deleteSelected(m_delete, m_confirm, deleteSentQuestionText(),
                   tr("The message you chose is no longer in Sent Items: nothing was deleted."),
                   [this](int position) { m_store.deleteAt(position); }, AfterDelete::SameRowOrPrevious,
                   [this] { Q_EMIT listRequested(); });
}

} // namespace corvane::sending
