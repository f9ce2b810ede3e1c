#include "SettingsPane.h"

#include "MainSettingsPage.h"
#include "SpellSettingsPage.h"

#include "shell/Startup.h"

#include "platform/Errors.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace corvane::shell {

namespace {

// A page inside a frameless scroll area, so that the window can be made narrower than the page's
// controls need; the page then scrolls instead of holding the window wide.
QScrollArea *scrolling(QWidget *page)
{
    auto *area = new QScrollArea;
    area->setObjectName(page->objectName() + QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus); // Tab goes to the page's fields, which the area scrolls into view
    area->setWidget(page);
    area->viewport()->setAutoFillBackground(false); // keep the tab page's own background
    return area;
}

} // namespace

SettingsPane::SettingsPane(Startup &startup, FolderBrowser &folders, FileDialogs &dialogs, QWidget *parent)
    : ui::CaptionPanel(tr("Settings"), parent), m_startup(startup), m_tabs(new QTabWidget(body())),
      m_mainPage(new MainSettingsPage(folders, dialogs)), m_spellPage(new SpellSettingsPage(dialogs)),
      m_save(new QPushButton(tr("Save"), body()))
{
    setObjectName(QStringLiteral("SettingsPan"));
    m_tabs->setObjectName(QStringLiteral("SettingsTabs"));
    m_tabs->setAccessibleName(tr("Settings pages"));
    m_tabs->addTab(scrolling(m_mainPage), tr("Main"));
    m_tabs->addTab(scrolling(m_spellPage), tr("Spell Check"));
    m_save->setObjectName(QStringLiteral("SettingSaveB"));

    // The button row spans the pane with equal margins on both sides, so the button stays centred
    // in the pane at every width.
    auto *saveRow = new QHBoxLayout;
    saveRow->addStretch(1);
    saveRow->addWidget(m_save);
    saveRow->addStretch(1);
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(m_tabs, 1);
    layout->addLayout(saveRow);

    connect(m_mainPage, &MainSettingsPage::edited, this, &SettingsPane::storeLive);
    connect(m_spellPage, &SpellSettingsPage::edited, this, &SettingsPane::storeLive);
    connect(m_mainPage, &MainSettingsPage::autoCheckMinutesChanged, this,
            &SettingsPane::autoCheckMinutesChanged);
    connect(m_spellPage, &SpellSettingsPage::asYouTypeChanged, this, &SettingsPane::asYouTypeChanged);
    connect(m_save, &QPushButton::clicked, this, &SettingsPane::settingSaveBClick);
}

void SettingsPane::loadSettings()
{
    m_mainPage->load(m_startup.settings());
    m_spellPage->load(m_startup.settings());
    storeLive();
}

void SettingsPane::storeLive()
{
    m_mainPage->store(m_startup.settings());
    m_spellPage->store(m_startup.settings());
}

void SettingsPane::settingSaveBClick()
{
    storeLive();
    if (const std::optional<SettingsRefusal> refused = saveRefusal(m_startup.settings())) {
        // Both fields are on the Main page: it comes to the front with the cursor in the field.
        m_tabs->setCurrentIndex(0);
        m_mainPage->focusField(refused->field);
        Q_EMIT failed(refused->notice);
        return;
    }
    try {
        writeSettings(m_startup.settingsFile(), m_startup.settings());
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::SettingsNotSaved, error.message()));
        return;
    }
    Q_EMIT saved();
    Q_EMIT statusText(tr("Settings saved."));
}

} // namespace corvane::shell
