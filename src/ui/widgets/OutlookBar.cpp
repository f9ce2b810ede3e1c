#include "OutlookBar.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane::ui {

OutlookBar::OutlookBar(QWidget *parent) : QFrame(parent), m_layout(new QVBoxLayout(this))
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setBackgroundRole(QPalette::Mid);
    setAutoFillBackground(true);
    m_layout->setContentsMargins(1, 1, 1, 1);
    m_layout->setSpacing(0);
}

int OutlookBar::addGroup(const QString &caption)
{
    Group group;
    const int index = groupCount();
    group.header = new QPushButton(caption, this);
    group.header->setFocusPolicy(Qt::NoFocus);
    group.page = new QWidget(this);
    group.itemLayout = new QVBoxLayout(group.page);
    group.itemLayout->setContentsMargins(2, 6, 2, 6);
    group.itemLayout->setSpacing(8);
    group.itemLayout->addStretch(1);
    connect(group.header, &QPushButton::clicked, this, [this, index] { onGroupClicked(index); });
    m_layout->addWidget(group.header);
    m_layout->addWidget(group.page, 1);
    m_groups.append(group);
    if (m_currentGroup < 0)
        setCurrentGroup(index);
    else
        group.page->hide();
    return index;
}

int OutlookBar::addItem(int group, const QString &caption, const QIcon &icon, const QString &objectName)
{
    Group &g = m_groups[group];
    auto *button = new QToolButton(g.page);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setIcon(icon);
    button->setIconSize(QSize(m_iconSize, m_iconSize));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->installEventFilter(this);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const int item = static_cast<int>(g.items.size());
    connect(button, &QToolButton::clicked, this, [this, group, item] { onItemClicked(group, item); });
    // Keep the closing stretch last.
    g.itemLayout->insertWidget(g.itemLayout->count() - 1, button);
    g.items.append(button);
    showHighlight();
    return item;
}

int OutlookBar::itemCount(int group) const
{
    return static_cast<int>(m_groups.at(group).items.size());
}

QAbstractButton *OutlookBar::groupButton(int group) const
{
    return m_groups.at(group).header;
}

QAbstractButton *OutlookBar::itemButton(int group, int item) const
{
    return m_groups.at(group).items.at(item);
}

void OutlookBar::setCurrentGroup(int group)
{
    if (group < 0 || group >= groupCount())
        return;
    const bool changed = group != m_currentGroup;
    m_currentGroup = group;
    for (int i = 0; i < groupCount(); ++i)
        m_groups[i].page->setVisible(i == group);
    if (changed) {
        m_currentItem = -1;
        showHighlight();
        Q_EMIT groupChanged(group);
    }
}

void OutlookBar::setCurrentItem(int item)
{
    const bool valid = m_currentGroup >= 0 && item >= 0 && item < itemCount(m_currentGroup);
    m_currentItem = valid ? item : -1;
    showHighlight();
}

void OutlookBar::setIconSize(int pixels)
{
    m_iconSize = pixels;
    for (const Group &g : std::as_const(m_groups))
        for (QToolButton *button : g.items)
            button->setIconSize(QSize(pixels, pixels));
}

bool OutlookBar::changeAllowed() const
{
    return !m_guard || m_guard();
}

void OutlookBar::onGroupClicked(int group)
{
    if (!changeAllowed())
        return;
    setCurrentGroup(group);
}

void OutlookBar::onItemClicked(int group, int item)
{
    if (!changeAllowed()) {
        showHighlight(); // undo the check mark the click put on the button
        return;
    }
    setCurrentGroup(group);
    m_currentItem = item;
    showHighlight();
    Q_EMIT itemClicked(group, item);
}

void OutlookBar::showHighlight()
{
    // One stop in the Tab chain: the highlighted item, or the open group's first one.
    const int tabItem = m_currentItem >= 0 ? m_currentItem : 0;
    for (int g = 0; g < groupCount(); ++g) {
        const QList<QToolButton *> &items = m_groups.at(g).items;
        for (int i = 0; i < items.size(); ++i) {
            items.at(i)->setChecked(g == m_currentGroup && i == m_currentItem);
            items.at(i)->setFocusPolicy(g == m_currentGroup && i == tabItem ? Qt::TabFocus : Qt::NoFocus);
        }
    }
}

bool OutlookBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_currentGroup < 0)
        return QFrame::eventFilter(watched, event);
    const QList<QToolButton *> &items = m_groups.at(m_currentGroup).items;
    const int from = static_cast<int>(items.indexOf(qobject_cast<QToolButton *>(watched)));
    if (from < 0)
        return QFrame::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return QFrame::eventFilter(watched, event);
    int to = -1;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        to = from - 1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        to = from + 1;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = static_cast<int>(items.size()) - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        to = from;
        break;
    default:
        return QFrame::eventFilter(watched, event);
    }
    // The arrows move the highlight as a click would, through the guard; the focus follows the
    // highlighted item, also when the guard kept it where it was.
    if (to >= 0 && to < items.size())
        onItemClicked(m_currentGroup, to);
    const int focusItem = m_currentItem >= 0 ? m_currentItem : 0;
    if (focusItem < items.size())
        items.at(focusItem)->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace corvane::ui
