#pragma once

#include "shell/Navigation.h"

#include <QStackedWidget>

#include <array>

namespace corvane::ui {
class CaptionPanel;
}

namespace corvane::shell {

// The seven panes, all of one size, one of them in front.
class PaneStack : public QStackedWidget
{
    Q_OBJECT

public:
    explicit PaneStack(QWidget *parent = nullptr);

    // Puts a pane in its place; a pane that is not given stays an empty captioned pane.
    void setPane(Pane pane, ui::CaptionPanel *panel);
    ui::CaptionPanel *pane(Pane pane) const { return m_panes.at(static_cast<size_t>(pane)); }

    void bringToFront(Pane pane);
    Pane front() const;

private:
    std::array<ui::CaptionPanel *, kPaneCount> m_panes{};
};

} // namespace corvane::shell
