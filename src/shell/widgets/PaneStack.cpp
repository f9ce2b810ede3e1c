#include "PaneStack.h"

#include "shell/HelpTopics.h"

#include "ui/widgets/CaptionPanel.h"

namespace corvane::shell {

PaneStack::PaneStack(QWidget *parent) : QStackedWidget(parent)
{
    setObjectName(QStringLiteral("Panes"));
    for (const PaneInfo &info : paneTable()) {
        auto *panel = new ui::CaptionPanel(info.paneText());
        panel->setObjectName(info.paneName);
        if (info.helpContext > 0)
            panel->setProperty(kHelpContextProperty, info.helpContext);
        m_panes[static_cast<size_t>(info.pane)] = panel;
        addWidget(panel);
    }
}

void PaneStack::setPane(Pane pane, ui::CaptionPanel *panel)
{
    const PaneInfo &info = paneInfo(pane);
    ui::CaptionPanel *old = m_panes[static_cast<size_t>(pane)];
    const bool wasInFront = currentWidget() == old;
    panel->setObjectName(info.paneName);
    panel->setCaption(info.paneText());
    if (info.helpContext > 0)
        panel->setProperty(kHelpContextProperty, info.helpContext);
    insertWidget(indexOf(old), panel);
    removeWidget(old);
    delete old;
    m_panes[static_cast<size_t>(pane)] = panel;
    if (wasInFront)
        setCurrentWidget(panel);
}

void PaneStack::bringToFront(Pane pane)
{
    setCurrentWidget(this->pane(pane));
}

Pane PaneStack::front() const
{
    for (const PaneInfo &info : paneTable())
        if (m_panes[static_cast<size_t>(info.pane)] == currentWidget())
            return info.pane;
    return Pane::Settings;
}

} // namespace corvane::shell
