#include "FlowLayout.h"

#include <QWidget>

#include <algorithm>

namespace corvane::ui {

FlowLayout::FlowLayout(QWidget *parent, int spacing) : QLayout(parent), m_spacing(spacing)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const
{
    // As narrow as the widest item: everything else wraps.
    QSize size;
    for (const QLayoutItem *item : m_items)
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const
{
    // Everything on one line.
    int width = 0;
    int height = 0;
    for (const QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        width += (width > 0 ? m_spacing : 0) + item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect &rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    QList<QLayoutItem *> shown;
    for (QLayoutItem *item : m_items)
        if (!item->isEmpty())
            shown.append(item);

    int y = area.y();
    for (qsizetype first = 0; first < shown.size();) {
        // Take as many items as fit at their preferred width; at least one.
        qsizetype end = first;
        int used = 0;
        while (end < shown.size()) {
            const int wanted = std::max(shown[end]->sizeHint().width(), shown[end]->minimumSize().width());
            const int next = used + (end > first ? m_spacing : 0) + wanted;
            if (end > first && next > area.width())
                break;
            used = next;
            ++end;
        }
        int lineHeight = 0;
        int expanding = 0;
        for (qsizetype i = first; i < end; ++i) {
            lineHeight = std::max(lineHeight, shown[i]->sizeHint().height());
            if (shown[i]->expandingDirections() & Qt::Horizontal)
                ++expanding;
        }
        if (place) {
            int spare = std::max(0, area.width() - used);
            int x = area.x();
            for (qsizetype i = first; i < end; ++i) {
                QLayoutItem *item = shown[i];
                int width = std::max(item->sizeHint().width(), item->minimumSize().width());
                if (expanding > 0 && (item->expandingDirections() & Qt::Horizontal)) {
                    const int share = spare / expanding--;
                    width += share;
                    spare -= share;
                }
                width = std::min(width, item->maximumSize().width());
                // A single item wider than the line is cut to the line.
                width = std::min(width, area.right() + 1 - x);
                const int height = std::min(lineHeight, item->maximumSize().height());
                item->setGeometry(QRect(x, y + (lineHeight - height) / 2, width, height));
                x += width + m_spacing;
            }
        }
        y += lineHeight + (end < shown.size() ? m_spacing : 0);
        first = end;
    }
    const QMargins margins = contentsMargins();
    return y - area.y() + margins.top() + margins.bottom();
}

} // namespace corvane::ui
