#include "ScrollBarStyle.h"

#include <QStyleOptionSlider>

namespace corvane::sortgrid {

namespace {

// The style computes the thumb from the page step: a page of 0 gives the smallest thumb.
template <typename Call>
auto withFixedThumb(bool proportional, QStyle::ComplexControl control, const QStyleOptionComplex *option,
                    Call call)
{
    if (!proportional && control == QStyle::CC_ScrollBar) {
        if (const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option)) {
            QStyleOptionSlider copy(*slider);
            copy.pageStep = 0;
            return call(&copy);
        }
    }
    return call(option);
}

} // namespace

ScrollBarStyle::ScrollBarStyle(QObject *parent) : QProxyStyle()
{
    setParent(parent);
}

void ScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                        QPainter *painter, const QWidget *widget) const
{
    withFixedThumb(m_proportional, control, option, [&](const QStyleOptionComplex *o) {
        QProxyStyle::drawComplexControl(control, o, painter, widget);
        return 0;
    });
}

QRect ScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                                     const QWidget *widget) const
{
    return withFixedThumb(m_proportional, control, option, [&](const QStyleOptionComplex *o) {
        return QProxyStyle::subControlRect(control, o, sub, widget);
    });
}

QStyle::SubControl ScrollBarStyle::hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                                         const QPoint &position, const QWidget *widget) const
{
    return withFixedThumb(m_proportional, control, option, [&](const QStyleOptionComplex *o) {
        return QProxyStyle::hitTestComplexControl(control, o, position, widget);
    });
}

} // namespace corvane::sortgrid
