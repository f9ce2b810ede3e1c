#pragma once

#include <QProxyStyle>

namespace corvane::sortgrid {

// Scroll bars whose thumb keeps one small size instead of showing the visible share of the list.
// Scrolling by page, arrow and drag works as usual.
class ScrollBarStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit ScrollBarStyle(QObject *parent = nullptr);

    void setProportional(bool proportional) { m_proportional = proportional; }
    bool isProportional() const { return m_proportional; }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget = nullptr) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                     const QPoint &position, const QWidget *widget = nullptr) const override;

private:
    bool m_proportional = true;
};

} // namespace corvane::sortgrid
