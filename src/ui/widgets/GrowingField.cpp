#include "GrowingField.h"

#include "ui/FieldGrowth.h"

#include <QEvent>
#include <QLineEdit>

#include <algorithm>

namespace corvane::ui {

GrowingField::GrowingField(QLineEdit *edit, QWidget *parent, int designWidth)
    : QObject(edit), m_edit(edit), m_parent(parent), m_slot(new QWidget(parent)),
      m_designWidth(designWidth)
{
    m_edit->setParent(parent);
    m_edit->show(); // shown with its parent, like any child
    m_slot->setObjectName(edit->objectName() + QStringLiteral("Slot"));
    m_slot->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_slot->setFocusPolicy(Qt::NoFocus);
    // At least the design width; wider when the layout has room to give (a bigger window).
    m_slot->setMinimumWidth(designWidth);
    m_slot->setFixedHeight(m_edit->sizeHint().height());
    m_slot->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_edit->raise();
    m_slot->installEventFilter(this);
    m_edit->installEventFilter(this);
    followSlot(designWidth);
}

void GrowingField::grow()
{
    const int textWidth = m_edit->fontMetrics().horizontalAdvance(m_edit->text());
    m_grown = true;
    followSlot(grownFieldWidth(textWidth, m_slot->x(), m_parent->width(), m_slot->width()));
    m_edit->raise();
}

void GrowingField::shrink()
{
    m_grown = false;
    followSlot(m_slot->width());
}

bool GrowingField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit) {
        if (event->type() == QEvent::Enter)
            grow();
        else if (event->type() == QEvent::Leave)
            shrink();
    } else if (watched == m_slot) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            followSlot(m_grown ? std::max(m_edit->width(), m_slot->width()) : m_slot->width());
            break;
        case QEvent::Show:
        case QEvent::Hide:
            m_edit->setVisible(m_slot->isVisibleTo(m_parent));
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GrowingField::followSlot(int width)
{
    m_edit->setGeometry(m_slot->x(), m_slot->y(), width, m_slot->height());
}

} // namespace corvane::ui
