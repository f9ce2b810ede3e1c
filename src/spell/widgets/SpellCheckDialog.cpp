#include "SpellCheckDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
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
    setWindowTitle(QStringLiteral("Spell Check"));
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
    m_original = labelledEdit(grid, 0, QStringLiteral("OriginalSPLE"), QStringLiteral("Original Word"),
                              QStringLiteral("The word the dictionaries do not know"), this);
    m_original->setReadOnly(true);
    QPalette grey = m_original->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    m_original->setPalette(grey);
    m_changeTo = labelledEdit(grid, 1, QStringLiteral("ChangeToSPLE"), QStringLiteral("Change To"),
                              QStringLiteral("The text Change puts in the word's place"), this);

    auto *suggestionsLabel = new QLabel(QStringLiteral("Suggestions"), this);
    suggestionsLabel->setObjectName(QStringLiteral("Label1"));
    m_suggestions = new QListWidget(this);
    m_suggestions->setObjectName(QStringLiteral("SuggestionsSPLB"));
    m_suggestions->setAccessibleName(QStringLiteral("Suggestions"));
    m_suggestions->setToolTip(QStringLiteral("Dictionary words that sound alike; click one to change to it"));
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
        addButton("IgnoreSPB", QStringLiteral("Ignore"), QStringLiteral("Leave this word as it is"),
                  &SpellCheckDialog::IgnoreSPBClick),
        addButton("IgnoreAllSPB", QStringLiteral("Ignore All"),
                  QStringLiteral("Leave this word as it is wherever it occurs until Corvane is closed"),
                  &SpellCheckDialog::IgnoreAllSPBClick),
        addButton("ChangeSPB", QStringLiteral("Change"), QStringLiteral("Replace the word with Change To"),
                  &SpellCheckDialog::ChangeSPBClick),
        addButton("ChangeAllSPB", QStringLiteral("Change All"),
                  QStringLiteral("Replace the word with Change To here and wherever it occurs again in this check"),
                  &SpellCheckDialog::ChangeAllSPBClick),
        addButton("AddSPB", QStringLiteral("Add"),
                  QStringLiteral("Add the word to the custom dictionary and leave it as it is"),
                  &SpellCheckDialog::AddSPBClick),
    };
    buttons->addStretch();
    addButton("CloseSPB", QStringLiteral("Close"), QStringLiteral("Stop the spell check"), &SpellCheckDialog::CloseSPBClick);
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

void SpellCheckDialog::Execute(SpellEditor &edit, int maxSuggestions)
{
    if (m_stoppedByUser)
        return;
    m_edit = &edit;
    m_maxSuggestions = maxSuggestions;
    refreshDictionaries();
    bringForward();
    m_checkActive = true;
    struct Release
    {
        SpellEditor *&edit;
        ~Release() { edit = nullptr; }
    } release{m_edit};
    m_checker.CheckText(edit.text(), 0);
}

void SpellCheckDialog::OnSoundLikeFound(QStringView word)
{
    ++m_suggestionCount;
    if (m_suggestionCount <= m_maxSuggestions)
        m_suggestions->addItem(word.toString());
}

void SpellCheckDialog::OnWordNotFound(QString &word, int startPos, int length)
{
    if (!m_checkActive)
        return;
    m_suggestions->setEnabled(true);
    m_edit->select(startPos, length);
    for (const auto &[original, replacement] : std::as_const(m_changeAllList)) {
        if (original == word) {
            m_edit->replaceSelection(replacement);
            word = replacement;
            m_answered = false;
            clearSuggestions();
            return;
        }
    }
    m_original->setText(word);
    if (m_suggestions->count() == 0) {
        m_changeTo->setText(word);
        m_suggestions->addItem(kNoSuggestions);
        m_suggestions->setEnabled(false);
    } else {
        m_changeTo->setText(m_suggestions->item(0)->text());
    }
    m_replacement.reset();
    m_pending = true;
    setButtonsEnabled(true);
    Q_EMIT waitingForAnswer(word);
    m_waiter.waitUntil([this] { return m_answered || !m_checkActive; });
    m_pending = false;
    setButtonsEnabled(false);
    if (m_replacement)
        word = *m_replacement;
    m_replacement.reset();
    m_answered = false;
    clearSuggestions();
}

void SpellCheckDialog::SuggestionsSPLBClick(QListWidgetItem *item)
{
    if (item && m_suggestions->isEnabled())
        m_changeTo->setText(item->text());
}

void SpellCheckDialog::answer(std::optional<QString> replacement)
{
    if (!m_pending || m_answered)
        return;
    if (replacement) {
        m_edit->replaceSelection(*replacement);
        m_replacement = std::move(replacement);
    }
    m_answered = true;
    m_waiter.wake();
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
    answer(replacement);
    m_changeAllList.append({original, replacement});
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
    answer(std::nullopt);
    Q_EMIT knownWordsChanged();
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
    // The user has just declared the word right: it stays as written.
    answer(std::nullopt);
    Q_EMIT knownWordsChanged();
}

void SpellCheckDialog::CloseSPBClick()
{
    close();
    m_stoppedByUser = true;
}

void SpellCheckDialog::FormClose()
{
    m_changeAllList.clear();
    m_checkActive = false;
    m_waiter.wake();
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
    m_suggestionCount = 0;
}

} // namespace corvane::spell
