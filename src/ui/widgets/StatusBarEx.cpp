#include "StatusBarEx.h"

#include <QCursor>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <qdrawutil.h>

#include <algorithm>

namespace corvane::ui {

namespace {
constexpr int kPanelGap = 2;
constexpr int kTextMargin = 3;
} // namespace

StatusBarEx::StatusBarEx(QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    // 19 px at the classic font size; taller when the desktop font needs it.
    setFixedHeight(std::max(19, fontMetrics().height() + 6));
}

int StatusBarEx::addPanel(int width, bool bevel)
{
    m_panels.append(Panel{width, bevel, QString()});
    update();
    return panelCount() - 1;
}

QString StatusBarEx::panelText(int panel) const
{
    return m_panels.at(panel).text;
}

void StatusBarEx::setPanelText(int panel, const QString &text)
{
    m_panels[panel].text = text;
    update(panelRect(panel));
    // A tooltip showing the old text shows the new one, or goes when the new one fits.
    if (panel == m_tipPanel && QToolTip::isVisible())
        showToolTip(panel, QCursor::pos());
}

QString StatusBarEx::panelToolTip(int panel) const
{
    const QString &text = m_panels.at(panel).text;
    return fontMetrics().horizontalAdvance(text) > textRect(panel).width() ? text : QString();
}

QRect StatusBarEx::textRect(int panel) const
{
    return panelRect(panel).adjusted(kTextMargin, 0, -kTextMargin, 0);
}

int StatusBarEx::panelAt(const QPoint &position) const
{
    for (int i = 0; i < panelCount(); ++i)
        if (panelRect(i).contains(position))
            return i;
    return -1;
}

void StatusBarEx::showToolTip(int panel, const QPoint &globalPosition)
{
    const QString tip = panel < 0 ? QString() : panelToolTip(panel);
    m_tipPanel = tip.isEmpty() ? -1 : panel;
    if (tip.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    // It stays while the mouse rests on the panel, however long the text takes to read.
    constexpr int kShowFor = 60 * 60 * 1000;
    QToolTip::showText(globalPosition, tip, this, panelRect(panel), kShowFor);
}

bool StatusBarEx::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        showToolTip(panelAt(help->pos()), help->globalPos());
        return true;
    }
    return QStatusBar::event(event);
}

QRect StatusBarEx::panelRect(int panel) const
{
    int x = 0;
    for (int i = 0; i < panel; ++i)
        x += m_panels.at(i).width;
    return QRect(x, kPanelGap, m_panels.at(panel).width - kPanelGap, height() - kPanelGap);
}

void StatusBarEx::host(QWidget *widget, int x, int width)
{
    widget->setParent(this);
    m_hosted.append(Hosted{widget, x, width});
    placeHosted(m_hosted.last());
}

void StatusBarEx::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int i = 0; i < panelCount(); ++i) {
        const QRect rect = panelRect(i);
        const Panel &panel = m_panels.at(i);
        if (panel.bevel)
            qDrawShadePanel(&painter, rect, palette(), true, 1);
        const QRect area = textRect(i);
        const QString text = painter.fontMetrics().elidedText(panel.text, Qt::ElideRight, area.width());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, text);
    }
}

void StatusBarEx::resizeEvent(QResizeEvent *event)
{
    QStatusBar::resizeEvent(event);
    for (const Hosted &hosted : std::as_const(m_hosted))
        placeHosted(hosted);
}

void StatusBarEx::placeHosted(const Hosted &hosted)
{
    hosted.widget->setGeometry(hosted.x, kPanelGap + 1, hosted.width, height() - kPanelGap - 2);
}

} // namespace corvane::ui
