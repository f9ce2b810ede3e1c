#include "SpellCheckDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace corvane::spell {

namespace {

QLineEdit *labelledEdit(QGridLayout *grid, int row, const QString &name, const QString &caption, const QString &hint,
                        QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    label->setObjectName(name + QStringLiteral("Label"));
    label->setBuddy(edit);
    edit->setAccessibleName(caption);
    edit->setToolTip(hint);
    edit->setAccessibleDescription(hint);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

} // namespace

SpellCheckDialog::SpellCheckDialog(std::function<DictionaryPaths()> paths, QWidget *parent)
    : QDialog(parent), m_paths(std::move(paths))
{
    setObjectName(QStringLiteral("SpellCheckF"));
    setWindowTitle(tr("Spell Check"));
    setModal(false);
    m_checker.ignoreList = ilWithNumbers | ilNumbers | ilUppercase;
    m_checker.setEvents(this);
    m_showError = [this](const core::Notice &notice) {
        // Plain text: the message may name a file or quote a word of the text.
        QMessageBox box(QMessageBox::Warning, windowTitle(), notice.text, QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };

    auto *grid = new QGridLayout;
    m_original = labelledEdit(grid, 0, QStringLiteral("OriginalSPLE"), tr("Original Word"),
                              tr("The word the dictionaries do not know"), this);
    m_original->setReadOnly(true);
    QPalette grey = m_original->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    m_original->setPalette(grey);
    m_changeTo = labelledEdit(grid, 1, QStringLiteral("ChangeToSPLE"), tr("Change To"),
                              tr("The text Change puts in the word's place"), this);

    auto *suggestionsLabel = new QLabel(tr("Suggestions"), this);
    suggestionsLabel->setObjectName(QStringLiteral("Label1"));
    m_suggestions = new QListWidget(this);
    m_suggestions->setObjectName(QStringLiteral("SuggestionsSPLB"));
    m_suggestions->setAccessibleName(tr("Suggestions"));
    m_suggestions->setToolTip(tr("Dictionary words that sound alike; click one to change to it"));
    m_suggestions->setAccessibleDescription(m_suggestions->toolTip());
    suggestionsLabel->setBuddy(m_suggestions);
    connect(m_suggestions, &QListWidget::itemClicked, this, &SpellCheckDialog::SuggestionsSPLBClick);

    auto *buttons = new QVBoxLayout;
    const auto addButton = [&](const char *name, const QString &caption, const QString &hint, void (SpellCheckDialog::*slot)()) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        button->setAccessibleName(caption);
        button->setToolTip(hint);
        button->setAccessibleDescription(hint);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
        return button;
    };
    m_answerButtons = {
        addButton("IgnoreSPB", tr("Ignore"), tr("Leave this word as it is"), &SpellCheckDialog::IgnoreSPBClick),
        addButton("IgnoreAllSPB", tr("Ignore All"),
                  tr("Leave this word as it is wherever it occurs until Corvane is closed"),
                  &SpellCheckDialog::IgnoreAllSPBClick),
        addButton("ChangeSPB", tr("Change"), tr("Replace the word with Change To"), &SpellCheckDialog::ChangeSPBClick),
        addButton("ChangeAllSPB", tr("Change All"),
                  tr("Replace the word with Change To here and wherever it occurs again in this check"),
                  &SpellCheckDialog::ChangeAllSPBClick),
        addButton("AddSPB", tr("Add"), tr("Add the word to the custom dictionary and leave it as it is"),
                  &SpellCheckDialog::AddSPBClick),
    };
    buttons->addStretch();
    addButton("CloseSPB", tr("Close"), tr("Stop the spell check"), &SpellCheckDialog::CloseSPBClick);
    setButtonsEnabled(false);

    auto *left = new QVBoxLayout;
    left->addLayout(grid);
    left->addWidget(suggestionsLabel);
    left->addWidget(m_suggestions);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    resize(420, 300);
}

void SpellCheckDialog::bringForward()
{
    show();
    raise();
    activateWindow();
}

void SpellCheckDialog::refreshDictionaries()
{
    const DictionaryPaths paths = m_paths();
    m_checker.Dictionary = paths.mainDictionary;
    m_checker.CustomDictionary = paths.customDictionary;
}

void SpellCheckDialog::Execute(SpellEditor &edit, int maxSuggestions, ChunkChecked checked)
{
    if (m_stoppedByUser) {
        checked(QString());
        return;
    }
    m_edit = &edit;
    m_checked = std::move(checked);
    m_maxSuggestions = maxSuggestions;
    m_resumeFrom = 0;
    refreshDictionaries();
    bringForward();
    m_checkActive = true;
    nextWord();
}

void SpellCheckDialog::nextWord()
{
    m_found.reset();
    try {
        // Each look starts a check of the whole chunk and stops at the first word not answered
        // yet: words added or ignored meanwhile count as known, changed ones stand in the chunk.
        m_checker.CheckText(m_edit->text(), 0);
    } catch (const Error &error) {
        m_found.reset();
        endChunk(error.message());
        return;
    }
    if (m_found && m_checkActive)
        showFound();
    else
        endChunk(QString());
}

void SpellCheckDialog::OnSoundLikeFound(QStringView word)
{
    m_sounds.append(word.toString());
}

void SpellCheckDialog::OnWordNotFound(QString &word, int startPos, int length)
{
    if (!m_checkActive || m_found || startPos < m_resumeFrom)
        return;
    for (const auto &[original, replacement] : std::as_const(m_changeAllList)) {
        if (original == word) {
            m_edit->select(startPos, length);
            m_edit->replaceSelection(replacement);
            word = replacement;
            m_resumeFrom = startPos + int(replacement.size());
            return;
        }
    }
    m_found = Found{word, startPos, length, m_sounds};
}

void SpellCheckDialog::showFound()
{
    const Found &found = *m_found;
    m_edit->select(found.position, found.length);
    clearSuggestions();
    m_suggestions->setEnabled(true);
    for (const QString &suggestion : found.suggestions.mid(0, std::max(0, m_maxSuggestions)))
        m_suggestions->addItem(suggestion);
    m_original->setText(found.word);
    if (m_suggestions->count() == 0) {
        m_changeTo->setText(found.word);
        m_suggestions->addItem(tr("{No Sugestions}"));
        m_suggestions->setEnabled(false);
    } else {
        m_changeTo->setText(m_suggestions->item(0)->text());
    }
    m_pending = true;
    setButtonsEnabled(true);
    Q_EMIT waitingForAnswer(found.word);
}

void SpellCheckDialog::endChunk(const QString &error)
{
    m_pending = false;
    setButtonsEnabled(false);
    clearSuggestions();
    m_found.reset();
    m_edit = nullptr;
    if (ChunkChecked checked = std::exchange(m_checked, {}))
        checked(error);
}

void SpellCheckDialog::SuggestionsSPLBClick(QListWidgetItem *item)
{
    if (item && m_suggestions->isEnabled())
        m_changeTo->setText(item->text());
}

void SpellCheckDialog::answer(const std::optional<QString> &replacement)
{
    if (!m_pending || !m_found)
        return;
    const Found found = *m_found;
    m_pending = false;
    setButtonsEnabled(false);
    m_resumeFrom = found.position + found.length;
    if (replacement) {
        m_edit->select(found.position, found.length);
        m_edit->replaceSelection(*replacement);
        m_resumeFrom = found.position + int(replacement->size());
    }
    Q_EMIT answered(found.word, replacement);
    nextWord();
}

void SpellCheckDialog::ChangeSPBClick()
{
    answer(m_changeTo->text());
}

void SpellCheckDialog::ChangeAllSPBClick()
{
    if (!m_pending)
        return;
    const QString original = m_original->text();
    const QString replacement = m_changeTo->text();
    m_changeAllList.append({original, replacement});
    answer(replacement);
}

void SpellCheckDialog::IgnoreSPBClick()
{
    answer(std::nullopt);
}

void SpellCheckDialog::IgnoreAllSPBClick()
{
    if (!m_pending)
        return;
    m_checker.AddIgnoreWord(m_original->text());
    Q_EMIT knownWordsChanged();
    answer(std::nullopt);
}

void SpellCheckDialog::AddSPBClick()
{
    if (!m_pending)
        return;
    try {
        m_checker.AddToCustomDictionary(m_original->text());
    } catch (const Error &error) {
        m_showError(core::Notice::error(core::Notice::Code::CustomWordNotAdded, error.message())); // the word stays pending
        return;
    }
    Q_EMIT knownWordsChanged();
    // The user has just declared the word right: it stays as written.
    answer(std::nullopt);
}

void SpellCheckDialog::CloseSPBClick()
{
    // Set first: the chunks after this one are skipped when the run goes on.
    m_stoppedByUser = true;
    close();
}

void SpellCheckDialog::FormClose()
{
    m_changeAllList.clear();
    m_checkActive = false;
    if (!m_checked)
        return;
    // The chunk ends with the answers given so far; the run goes on once this close is done.
    m_pending = false;
    setButtonsEnabled(false);
    QTimer::singleShot(0, this, [this] {
        if (!m_checkActive)
            endChunk(QString());
    });
}

void SpellCheckDialog::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void SpellCheckDialog::reject()
{
    FormClose();
    QDialog::reject();
}

void SpellCheckDialog::setButtonsEnabled(bool on)
{
    for (QPushButton *button : std::as_const(m_answerButtons))
        button->setEnabled(on);
}

void SpellCheckDialog::clearSuggestions()
{
    m_suggestions->clear();
}

} // namespace corvane::spell
