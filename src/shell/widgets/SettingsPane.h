#pragma once

#include "core/Notice.h"
#include "ui/widgets/CaptionPanel.h"

class QPushButton;
class QTabWidget;

namespace corvane::shell {

class FileDialogs;
class FolderBrowser;
class MainSettingsPage;
class SpellSettingsPage;
class Startup;

// The Settings pane ("SettingsPan"). Its controls are the live settings: every edit reaches the
// start-up's settings at once, so the rest of the program sees it without Save. Save writes every
// setting to "main.ini"; the window then runs the start-up sequence again.
class SettingsPane : public ui::CaptionPanel
{
    Q_OBJECT

public:
    SettingsPane(Startup &startup, FolderBrowser &folders, FileDialogs &dialogs, QWidget *parent = nullptr);

    // Shows the live settings in the controls; the live settings then hold exactly what the
    // controls show (an unknown sound type reads as "Default Beep", for example).
    void loadSettings();

    QTabWidget *tabs() const { return m_tabs; }
    QPushButton *saveButton() const { return m_save; }

Q_SIGNALS:
    // Every setting was written; start-up should run again.
    void saved();
    // The settings file could not be written (the keys before the failing one stay written), or
    // Save refused a name or own inbox that is not filled in.
    void failed(const core::Notice &notice);
    // What the status bar should say: a Save went through.
    void statusText(const QString &text);
    void autoCheckMinutesChanged(int minutes);
    // The live "Check spelling as you type", changed by the user (the settings already hold it).
    void asYouTypeChanged(bool on);

private:
    void settingSaveBClick();
    void storeLive();

    Startup &m_startup;
    QTabWidget *m_tabs;
    MainSettingsPage *m_mainPage;
    SpellSettingsPage *m_spellPage;
    QPushButton *m_save;
};

} // namespace corvane::shell
