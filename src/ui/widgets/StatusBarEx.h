#pragma once

#include <QList>
#include <QStatusBar>

namespace corvane::ui {

// A status bar of fixed-width text panels, left to right, which can also host widgets (progress
// bars) at fixed horizontal positions over its panels.
class StatusBarEx : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBarEx(QWidget *parent = nullptr);

    // Appends a panel; a panel without bevel is drawn flat.
    int addPanel(int width, bool bevel = true);
    int panelCount() const { return static_cast<int>(m_panels.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);
    QRect panelRect(int panel) const;
    // The panel's whole text when it is too long for the panel (shown cut, with "…"), else empty:
    // what the tooltip over the panel shows.
    QString panelToolTip(int panel) const;

    // Places a child widget at x with the given width, spanning the bar's height less the bevels.
    void host(QWidget *widget, int x, int width);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Panel
    {
        int width = 0;
        bool bevel = true;
        QString text;
    };
    struct Hosted
    {
        QWidget *widget = nullptr;
        int x = 0;
        int width = 0;
    };

    void placeHosted(const Hosted &hosted);
    QRect textRect(int panel) const;
    int panelAt(const QPoint &position) const;
    void showToolTip(int panel, const QPoint &globalPosition);

    QList<Panel> m_panels;
    QList<Hosted> m_hosted;
    int m_tipPanel = -1; // the panel whose whole text the tooltip shows
};

} // namespace corvane::ui
