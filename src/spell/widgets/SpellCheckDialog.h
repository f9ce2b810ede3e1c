#pragma once

#include "spell/SpellChecker.h"
#include "spell/SpellRun.h"

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

// The dictionaries the dialog checks with: the settings pane's live values.
struct DictionaryPaths
{
    QString mainDictionary;
    QString customDictionary;
};

// "Spell Check" (TSpellCheckF): shows each unknown word of a chunk with its suggestions, without
// blocking the other windows; the user's answer (change, ignore, add) comes as a button's signal,
// and the dialog then goes on to the chunk's next unknown word, or says the chunk is done. Exists
// once.
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
    void Execute(SpellEditor &edit, int maxSuggestions, ChunkChecked checked) override;
    void closeDialog() override { close(); }

    // A word waits for the user's answer.
    bool pending() const { return m_pending; }

Q_SIGNALS:
    // A word is shown and the dialog waits for the user's answer.
    void waitingForAnswer(const QString &word);
    // The user answered for the word shown: with its replacement, or none when it stays.
    void answered(const QString &word, const std::optional<QString> &replacement);
    // Ignore All or Add changed which words count as known (underlining follows).
    void knownWordsChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape closes the dialog as its close box does.
    void reject() override;

private:
    // SpellEvents
    void OnClearSoundLike() override { m_sounds.clear(); }
    void OnSoundLikeFound(QStringView word) override;
    void OnWordNotFound(QString &word, int startPos, int length) override;
    bool OnCheckCancel() override { return !m_checkActive || m_found.has_value(); }

    // Looks for the chunk's next unknown word from m_resumeFrom on and shows it, or ends the chunk.
    void nextWord();
    void showFound();
    void endChunk(const QString &error);

    void SuggestionsSPLBClick(QListWidgetItem *item);
    void ChangeSPBClick();
    void ChangeAllSPBClick();
    void IgnoreSPBClick();
    void IgnoreAllSPBClick();
    void AddSPBClick();
    void CloseSPBClick();

    void FormClose();
    void answer(const std::optional<QString> &replacement);
    void setButtonsEnabled(bool on);
    void clearSuggestions();

    std::function<DictionaryPaths()> m_paths;
    std::function<void(const core::Notice &)> m_showError;
    SpellChecker m_checker;

    QLineEdit *m_original = nullptr;
    QLineEdit *m_changeTo = nullptr;
    QListWidget *m_suggestions = nullptr;
    QList<QPushButton *> m_answerButtons;

    // The chunk under check and the unknown word shown from it.
    struct Found
    {
        QString word;
        int position = 0;
        int length = 0;
        QStringList suggestions;
    };
    SpellEditor *m_edit = nullptr;
    ChunkChecked m_checked;
    QList<QPair<QString, QString>> m_changeAllList;
    QStringList m_sounds; // the suggestions for the word being looked at
    std::optional<Found> m_found;
    int m_resumeFrom = 0; // words before this position of the chunk have been answered
    int m_maxSuggestions = 0;
    bool m_checkActive = false;
    bool m_stoppedByUser = false;
    bool m_pending = false;
};

} // namespace corvane::spell
