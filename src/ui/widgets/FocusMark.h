#pragma once

#include <QObject>
#include <QPointer>
#include <QFocusFrame>
#include <QProxyStyle>

class QApplication;

namespace corvane::ui {

// The style that draws the focus mark: a frame 2 px wide in the palette's highlight colour,
// over the edge of the control that has the focus. Everything else is the base style's.
class FocusFrameStyle : public QProxyStyle
{
    Q_OBJECT

public:
    static constexpr int kWidth = 2;

    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

// Keeps one focus frame on whichever control of the application has the focus, in every window,
// so that the focus is plain to see in each control whatever the base style draws.
class FocusMark : public QObject
{
    Q_OBJECT

public:
    // Sets the application's style to a FocusFrameStyle over the current one and starts following
    // the focus; the mark belongs to the application.
    static FocusMark *install(QApplication &application);

    // The frame on the focused control; none before a control took the focus.
    QFocusFrame *frame() const { return m_frame; }

private:
    explicit FocusMark(QObject *parent) : QObject(parent) {}
    void follow(QWidget *now);

    QPointer<QFocusFrame> m_frame; // goes with the parent of the control it was last on
};

} // namespace corvane::ui
