#include "ui/widgets/FocusMark.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QStyleHintReturnMask>
#include <QStyleOption>

namespace corvane::ui {

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    if (element != CE_FocusFrame) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(option->palette.color(QPalette::Active, QPalette::Highlight));
    const QRect outer = option->rect;
    painter->drawRect(outer.x(), outer.y(), outer.width(), kWidth);
    painter->drawRect(outer.x(), outer.bottom() - kWidth + 1, outer.width(), kWidth);
    painter->drawRect(outer.x(), outer.y(), kWidth, outer.height());
    painter->drawRect(outer.right() - kWidth + 1, outer.y(), kWidth, outer.height());
    painter->restore();
}

int FocusFrameStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    // The frame lies on the control's own edge, so a parent that clips at the control's edge (a
    // pane filled by its list) never hides it.
    if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
        return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int FocusFrameStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                               QStyleHintReturn *returnData) const
{
    if (hint == SH_FocusFrame_AboveWidget)
        return 1; // over the control, which would otherwise paint over the frame
    if (hint == SH_FocusFrame_Mask && option) {
        // Only the frame's band covers the control; the rest of it stays as the control draws it.
        if (auto *mask = qstyleoption_cast<QStyleHintReturnMask *>(returnData)) {
            const QRect outer = option->rect;
            mask->region = QRegion(outer) - QRegion(outer.adjusted(kWidth, kWidth, -kWidth, -kWidth));
            return 1;
        }
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

FocusMark *FocusMark::install(QApplication &application)
{
    QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
    auto *mark = new FocusMark(&application);
    connect(&application, &QApplication::focusChanged, mark, [mark](QWidget *, QWidget *now) { mark->follow(now); });
    mark->follow(QApplication::focusWidget());
    return mark;
}

void FocusMark::follow(QWidget *now)
{
    if (!now || now->isWindow()) {
        if (m_frame)
            m_frame->setWidget(nullptr);
        return;
    }
    if (!m_frame)
        m_frame = new QFocusFrame(now);
    m_frame->setWidget(now);
}

} // namespace corvane::ui
