#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace corvane::shell {

class FileDialogs;
struct Settings;

// The settings pane's "Spell Check" page ("SpellTS"): the two dictionaries, the suggestion limit and
// spelling as you type.
class SpellSettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit SpellSettingsPage(FileDialogs &dialogs, QWidget *parent = nullptr);

    void load(const Settings &settings);
    void store(Settings &settings) const;

Q_SIGNALS:
    void edited();
    // "Check spelling as you type" ticked or unticked by the user: it applies at once.
    void asYouTypeChanged(bool on);

private:
    QLineEdit *addDictionaryField(const QString &name, const QString &label, const QString &buttonName);
    void browseDictionary(QLineEdit *field);

    FileDialogs &m_dialogs;
    bool m_loading = false;
    QLineEdit *m_mainDictionary = nullptr;
    QLineEdit *m_customDictionary = nullptr;
    QSpinBox *m_maxSuggestions = nullptr;
    QCheckBox *m_asYouType = nullptr;
};

} // namespace corvane::shell
