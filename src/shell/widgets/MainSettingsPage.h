#pragma once

#include "shell/Settings.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QVBoxLayout;

namespace corvane::shell {

class FileDialogs;
class FolderBrowser;

// The settings pane's "Main" page ("MainST"): name and folders, server use, automatic check, start
// page and the new-mail notification.
class MainSettingsPage : public QWidget
{
    Q_OBJECT

public:
    MainSettingsPage(FolderBrowser &folders, FileDialogs &dialogs, QWidget *parent = nullptr);

    // Shows the settings without reporting edits.
    void load(const Settings &settings);
    // Copies what the controls show into the settings.
    void store(Settings &settings) const;
    // Puts the cursor in the field that edits the setting.
    void focusField(SettingsRefusal::Field field);

Q_SIGNALS:
    void edited();
    void autoCheckMinutesChanged(int minutes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *addFolderField(QVBoxLayout *column, const QString &name, const QString &label,
                              const QString &buttonName);
    QWidget *buildOptions();
    QGroupBox *buildSoundGroup();
    void fillStartPages();
    void autoCheckClick();
    void browseFolder(QLineEdit *field);
    void browseSound();

    FolderBrowser &m_folders;
    FileDialogs &m_dialogs;
    bool m_loading = false;

    QLineEdit *m_yourName = nullptr;
    QLineEdit *m_yourInbox = nullptr;
    QLineEdit *m_addressFolder = nullptr;
    QLineEdit *m_sentFolder = nullptr;
    QLineEdit *m_inboxDataFolder = nullptr;
    QCheckBox *m_selfServer = nullptr;
    QCheckBox *m_autoCheck = nullptr;
    QSpinBox *m_autoCheckMinutes = nullptr;
    QLabel *m_minutesLabel = nullptr;
    QComboBox *m_startPage = nullptr;
    QCheckBox *m_popup = nullptr;
    QCheckBox *m_desktopNotification = nullptr;
    QRadioButton *m_soundNone = nullptr;
    QRadioButton *m_soundDefault = nullptr;
    QRadioButton *m_soundCustom = nullptr;
    QLineEdit *m_mailSound = nullptr;
};

} // namespace corvane::shell
