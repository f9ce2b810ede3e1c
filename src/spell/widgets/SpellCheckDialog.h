#pragma once

#include "spell/SpellChecker.h"
#include "spell/SpellRun.h"

#include "platform/EventLoopWait.h"

#include <QDialog>
#include <QList>
#include <QPair>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace corvane::spell {

inline const QString kNoSuggestions = QStringLiteral("{No Sugestions}");

// The dictionaries the dialog checks with: the settings pane's live values.
struct DictionaryPaths
{
    QString mainDictionary;
    QString customDictionary;
};

// "Spell Check" (TSpellCheckF): shows each unknown word of a chunk with its suggestions and waits,
// without blocking the other windows, until the user changes, ignores or adds it. Exists once.
class SpellCheckDialog : public QDialog, public SpellCheckSession, private SpellEvents
{
    Q_OBJECT

public:
    SpellCheckDialog(std::function<DictionaryPaths()> paths, QWidget *parent = nullptr);

    // The engine (OrckaSpellChecker1); its ignore-all words last for the process. Underlining as
    // you type shares it.
    SpellChecker &checker() { return m_checker; }
    // Points the engine at the dictionaries the settings name now (each Execute does too).
    void refreshDictionaries();

    // How errors of the buttons (Add without a custom dictionary) reach the user; a message box
    // by default.
    void setErrorHandler(std::function<void(const core::Notice &)> handler) { m_showError = std::move(handler); }

    // SpellCheckSession
    bool isOpen() const override { return isVisible(); }
    void bringForward() override;
    bool stoppedByUser() const override { return m_stoppedByUser; }
    void clearStoppedByUser() override { m_stoppedByUser = false; }
    void Execute(SpellEditor &edit, int maxSuggestions) override;
    void closeDialog() override { close(); }

    // A word waits for the user's answer.
    bool pending() const { return m_pending; }

Q_SIGNALS:
    // A word is shown and the dialog waits for the user's answer.
    void waitingForAnswer(const QString &word);
    // Ignore All or Add changed which words count as known (underlining follows).
    void knownWordsChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape closes the dialog as its close box does.
    void reject() override;

private:
    // SpellEvents
    void OnSoundLikeFound(QStringView word) override;
    void OnWordNotFound(QString &word, int startPos, int length) override;
    bool OnCheckCancel() override { return !m_checkActive; }

    void SuggestionsSPLBClick(QListWidgetItem *item);
    void ChangeSPBClick();
    void ChangeAllSPBClick();
    void IgnoreSPBClick();
    void IgnoreAllSPBClick();
    void AddSPBClick();
    void CloseSPBClick();

    void FormClose();
    void answer(std::optional<QString> replacement);
    void setButtonsEnabled(bool on);
    void clearSuggestions();

    std::function<DictionaryPaths()> m_paths;
    std::function<void(const core::Notice &)> m_showError;
    SpellChecker m_checker;
    platform::EventLoopWaiter m_waiter;

    QLineEdit *m_original = nullptr;
    QLineEdit *m_changeTo = nullptr;
    QListWidget *m_suggestions = nullptr;
    QList<QPushButton *> m_answerButtons;

    SpellEditor *m_edit = nullptr;
    QList<QPair<QString, QString>> m_changeAllList;
    int m_suggestionCount = 0;
    int m_maxSuggestions = 0;
    bool m_checkActive = false;
    bool m_answered = false;
    bool m_stoppedByUser = false;
    bool m_pending = false;
    std::optional<QString> m_replacement; // set by Change, Change All and Add
};

} // namespace corvane::spell
