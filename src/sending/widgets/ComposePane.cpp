#include "ComposePane.h"

#include "AttachDialogue.h"
#include "ComposePrompts.h"
#include "ToDialogue.h"

#include "sending/ComposeSend.h"

#include "richtext/widgets/RichTextEditor.h"

#include "ui/widgets/FlowLayout.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace corvane::sending {

namespace {

using Alignment = richtext::RichTextEditor::Alignment;

const char *const kMixedProperty = "mixed";
const QString kMixedStyle = QStringLiteral("QToolButton { background-color: palette(highlight); color: palette(highlighted-text); }");

// A hint "short|long": the short part is the tool tip and the name a screen reader says for an
// icon-only control, the long part the status tip; the whole is the control's description.
void setHint(QWidget *widget, const QString &hint)
{
    const QString shortHint = hint.section(QLatin1Char('|'), 0, 0);
    const QString longHint = hint.section(QLatin1Char('|'), 1);
    widget->setToolTip(shortHint);
    widget->setStatusTip(longHint.isEmpty() ? shortHint : longHint);
    widget->setAccessibleDescription(longHint.isEmpty() ? shortHint : longHint);
}

void setHint(QAction *action, const QString &hint)
{
    const QString shortHint = hint.section(QLatin1Char('|'), 0, 0);
    const QString longHint = hint.section(QLatin1Char('|'), 1);
    action->setToolTip(shortHint);
    action->setStatusTip(longHint.isEmpty() ? shortHint : longHint);
}

} // namespace

ComposePane::ComposePane(ComposeDraft &draft, ComposeSend &send, std::function<addressbook::MailSettings()> settings,
                         ComposePrompts &prompts, QWidget *parent)
    : ui::CaptionPanel(tr("New"), parent), m_draft(draft), m_send(send), m_settings(std::move(settings)),
      m_prompts(prompts)
{
    setObjectName(QStringLiteral("NewPan"));
    setAcceptDrops(true);
    createActions();
    createEditor();
    createToolbars();

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar1);
    layout->addWidget(m_toolBar2);
    layout->addWidget(m_editor, 1);

    connect(&m_send, &ComposeSend::runningChanged, this, [this](bool running) { m_sendAction->setEnabled(!running); });
    connect(&m_send, &ComposeSend::finished, this, &ComposePane::sendFinished);
    Richtextbox1SelectionChange();
    m_draft.settle(); // an empty pane holds no work to lose
}

QAction *ComposePane::formatAction(const QString &caption, const QString &hint, const char *name,
                                   const QKeySequence &key)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(true);
    setHint(action, hint);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(action, &QAction::triggered, this, [this, action](bool on) { applyFormat(action, on); });
    return action;
}

void ComposePane::createActions()
{
    m_sendAction = new QAction(tr("Send"), this);
    m_sendAction->setObjectName(QStringLiteral("Sendi"));
    setHint(m_sendAction, tr("Send Message"));
    // Send from anywhere in the pane without the mouse.
    m_sendAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    m_sendAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_sendAction);
    connect(m_sendAction, &QAction::triggered, this, &ComposePane::SendiExecute);
    m_clear = new QAction(tr("Clear"), this);
    m_clear->setObjectName(QStringLiteral("ClearNewI"));
    setHint(m_clear, tr("Clear/New Message"));
    connect(m_clear, &QAction::triggered, this, &ComposePane::ClearNewIExecute);

    // The toolbar's buttons and the context menu's entries are the same actions, so Ctrl+B and
    // the menu do what the buttons do and every mark follows the selection.
    m_bold = formatAction(tr("&Bold"), tr("Bold"), "NewBoldI", QKeySequence(Qt::CTRL | Qt::Key_B));
    m_italic = formatAction(tr("&Italic"), tr("Italic"), "NewItalicI",
                            QKeySequence(Qt::CTRL | Qt::Key_I));
    m_underline = formatAction(tr("&Underline"), tr("Underline"), "NewUnderlineI",
                               QKeySequence(Qt::CTRL | Qt::Key_U));
    m_left = formatAction(tr("Align &Left"), tr("Align Left|Aligns text at the left indent"),
                          "NewLeftI", {});
    m_center = formatAction(tr("&Center"), tr("Center|Centers text between margins"),
                            "NewCenterI", {});
    m_right = formatAction(tr("Align &Right"),
                           tr("Align Right|Aligns text at the right indent"), "NewRightI", {});
    m_bullet = formatAction(tr("&Bullets"), tr("Bullets|Inserts a bullet on the current line"),
                            "NewbulletI", {});
    m_alignment = new QActionGroup(this);
    m_alignment->setExclusive(true);
    for (QAction *action : {m_left, m_center, m_right})
        m_alignment->addAction(action);
    m_left->setChecked(true);
}

void ComposePane::createEditor()
{
    m_editor = new richtext::RichTextEditor;
    m_editor->setObjectName(QStringLiteral("Richtextbox1"));
    m_editor->setAccessibleName(tr("Message"));
    m_editor->setAccessibleDescription(tr("The text of the message"));
    m_editor->setAcceptDrops(true);
    m_editor->viewport()->installEventFilter(this);

    // Redo also on Ctrl+Y, as on Windows; Ctrl+Z undoes, formatting included.
    m_redo = new QAction(tr("Redo"), m_editor);
    m_redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    m_redo->setShortcutContext(Qt::WidgetShortcut);
    m_editor->addAction(m_redo);
    connect(m_redo, &QAction::triggered, m_editor, &QTextEdit::redo);

    m_menu = new QMenu(m_editor);
    m_menu->setObjectName(QStringLiteral("NewPM"));
    m_menu->addAction(m_bold);
    m_menu->addAction(m_italic);
    m_menu->addAction(m_underline);
    m_menu->addSeparator();
    QAction *cut = m_menu->addAction(tr("Cu&t"), m_editor, &QTextEdit::cut);
    cut->setShortcut(QKeySequence::Cut);
    QAction *copy = m_menu->addAction(tr("&Copy"), m_editor, &QTextEdit::copy);
    copy->setShortcut(QKeySequence::Copy);
    QAction *paste = m_menu->addAction(tr("&Paste"), m_editor, &QTextEdit::paste);
    paste->setShortcut(QKeySequence::Paste);
    for (QAction *clipboard : {cut, copy, paste})
        clipboard->setShortcutContext(Qt::WidgetShortcut); // the editor handles the keys itself
    m_menu->addSeparator();
    m_menu->addAction(m_left);
    m_menu->addAction(m_center);
    m_menu->addAction(m_right);
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    m_menuActions = m_menu->actions();
    connect(m_editor, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        for (QAction *added : m_menu->actions()) {
            if (!m_menuActions.contains(added)) {
                m_menu->removeAction(added);
                added->deleteLater();
            }
        }
        if (m_extendMenu)
            m_extendMenu(m_menu, at);
        m_menu->popup(m_editor->viewport()->mapToGlobal(at));
    });

    connect(m_editor, &richtext::RichTextEditor::caretOrSelectionChanged, this,
            &ComposePane::Richtextbox1SelectionChange);
    connect(m_editor, &QTextEdit::textChanged, this, [this] { m_draft.noteEdit(); });
    connect(m_editor, &richtext::RichTextEditor::keyPressed, this, [this] { m_draft.noteEdit(); });
}

void ComposePane::createToolbars()
{
    // Both rows wrap rather than overflow: at the narrowest window every control stays in view.
    m_toolBar1 = new QWidget(this);
    m_toolBar1->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar1->setAccessibleName(tr("Format"));
    auto *formatRow = new ui::FlowLayout(m_toolBar1, 2);
    formatRow->setContentsMargins(2, 2, 2, 2);
    auto place = [this, formatRow](QAction *action, const char *name, Qt::ToolButtonStyle style) {
        auto *button = new QToolButton(m_toolBar1);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setIconSize(QSize(16, 16));
        button->setToolButtonStyle(style);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleName(action->toolTip());
        button->setAccessibleDescription(action->statusTip());
        formatRow->addWidget(button);
        m_buttons.insert(action, button);
        return button;
    };
    auto separate = [this, formatRow] {
        auto *line = new QFrame(m_toolBar1);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        formatRow->addWidget(line);
    };
    place(m_sendAction, "SendB", Qt::ToolButtonTextBesideIcon);
    place(m_clear, "Cleari", Qt::ToolButtonTextBesideIcon);
    separate();
    // The formatting buttons show their icon when they have one, else their caption.
    place(m_bold, "NewBoldB", Qt::ToolButtonIconOnly);
    place(m_italic, "NewItalicB", Qt::ToolButtonIconOnly);
    place(m_underline, "NewUnderlineB", Qt::ToolButtonIconOnly);
    separate();
    place(m_left, "NewLeftB", Qt::ToolButtonIconOnly);
    place(m_center, "NewCenterB", Qt::ToolButtonIconOnly);
    place(m_right, "NewRightB", Qt::ToolButtonIconOnly);
    separate();

    m_font = new QComboBox(m_toolBar1);
    m_font->setObjectName(QStringLiteral("FontC"));
    m_font->setEditable(true);
    m_font->setInsertPolicy(QComboBox::NoInsert);
    m_font->addItems(QFontDatabase::families());
    m_font->setMinimumContentsLength(12);
    m_font->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_font->setAccessibleName(tr("Font"));
    m_font->lineEdit()->setAccessibleName(tr("Font"));
    setHint(m_font, tr("Font"));
    formatRow->addWidget(m_font);
    // FontCChange: a font chosen from the list or confirmed with Enter; the letters typed on the
    // way are not applied one by one.
    connect(m_font, &QComboBox::textActivated, this, [this](const QString &family) {
        if (!family.isEmpty())
            m_editor->setSelFontName(family);
    });

    place(m_bullet, "NewbulletB", Qt::ToolButtonIconOnly);

    m_size = new QSpinBox(m_toolBar1);
    m_size->setObjectName(QStringLiteral("SizeSE"));
    m_size->setRange(1, 1000);
    m_size->setValue(12);
    m_size->setAccessibleName(tr("Font Size"));
    setHint(m_size, tr("Font Size"));
    formatRow->addWidget(m_size);
    connect(m_size, &QSpinBox::valueChanged, this, [this](int value) {
        // SizeSEChange
        if (m_fontSize.sizeChanged())
            m_editor->setSelFontSize(value);
    });

    auto *spell = m_spellButton = new QToolButton(m_toolBar1);
    spell->setObjectName(QStringLiteral("ToolButton7"));
    spell->setText(tr("Spell"));
    spell->setAutoRaise(true);
    spell->setIconSize(QSize(16, 16));
    spell->setToolButtonStyle(Qt::ToolButtonIconOnly);
    spell->setAccessibleName(tr("Spell Check"));
    setHint(spell, tr("Spell Check|Checks the spelling of the message"));
    formatRow->addWidget(spell);
    connect(spell, &QToolButton::clicked, this, &ComposePane::spellCheckRequested);

    // Subject, recipients and attachments: each caption stays with its field, and the fields
    // share what room the line has.
    m_toolBar2 = new QWidget(this);
    m_toolBar2->setObjectName(QStringLiteral("ToolBar2"));
    m_toolBar2->setAccessibleName(tr("Addressing"));
    auto *addressRow = new ui::FlowLayout(m_toolBar2, 6);
    addressRow->setContentsMargins(4, 2, 4, 2);
    auto pair = [this, addressRow](QWidget *caption, QWidget *field) {
        auto *group = new QWidget(m_toolBar2);
        group->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        auto *layout = new QHBoxLayout(group);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(4);
        layout->addWidget(caption);
        layout->addWidget(field, 1);
        field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        addressRow->addWidget(group);
    };

    auto *subjectLabel = new QLabel(tr("&Subject"));
    subjectLabel->setObjectName(QStringLiteral("SubjectL"));
    m_subject = new QLineEdit;
    m_subject->setObjectName(QStringLiteral("SubjectE"));
    m_subject->setAccessibleName(tr("Subject"));
    m_subject->setMinimumWidth(160);
    subjectLabel->setBuddy(m_subject);
    m_subject->installEventFilter(this);
    connect(m_subject, &QLineEdit::textChanged, this, [this] { m_draft.noteEdit(); });

    m_toButton = new QToolButton;
    m_toButton->setObjectName(QStringLiteral("ToB"));
    m_toButton->setText(tr("&To"));
    m_toButton->setAccessibleName(tr("To"));
    setHint(m_toButton, tr("Select Addresses|Choose the recipients from the address book"));
    connect(m_toButton, &QToolButton::clicked, this, &ComposePane::ToBClick);
    m_to = new QComboBox;
    m_to->setObjectName(QStringLiteral("ToC"));
    m_to->setAccessibleName(tr("Recipients"));
    setHint(m_to, tr("Recipients"));
    m_to->setMinimumWidth(150);

    m_attachButton = new QToolButton;
    m_attachButton->setObjectName(QStringLiteral("AttachB"));
    m_attachButton->setText(tr("&Attach"));
    m_attachButton->setAccessibleName(tr("Attach"));
    setHint(m_attachButton, tr("Attachments|Choose the files to send with the message"));
    connect(m_attachButton, &QToolButton::clicked, this, &ComposePane::AttachBClick);
    m_attach = new QComboBox;
    m_attach->setObjectName(QStringLiteral("AttachC"));
    m_attach->setAccessibleName(tr("Attached files"));
    setHint(m_attach, tr("Attached files"));
    m_attach->setMinimumWidth(150);
    m_attach->installEventFilter(this);

    pair(subjectLabel, m_subject);
    pair(m_toButton, m_to);
    pair(m_attachButton, m_attach);
}

void ComposePane::setDialogs(ToDialogue *to, AttachDialogue *attach)
{
    m_toDialogue = to;
    m_attachDialogue = attach;
    if (to)
        to->setMirror(m_to);
    if (attach)
        attach->setMirror(m_attach);
}

bool ComposePane::isMarked(const QToolButton *button)
{
    return button->property(kMixedProperty).toBool();
}

void ComposePane::setMark(QAction *action, std::optional<bool> value)
{
    if (value && action->isChecked() != *value)
        action->setChecked(*value);
    QWidget *button = m_buttons.value(action);
    const bool mixed = !value;
    if (!button || button->property(kMixedProperty).toBool() == mixed)
        return;
    button->setProperty(kMixedProperty, mixed);
    button->setStyleSheet(mixed ? kMixedStyle : QString());
    // A screen reader says that the selection mixes the format.
    button->setAccessibleDescription(mixed ? tr("%1 (mixed)").arg(action->statusTip()) : action->statusTip());
}

void ComposePane::applyFormat(QAction *action, bool on)
{
    if (action == m_bold)
        m_editor->setSelBold(on);
    else if (action == m_italic)
        m_editor->setSelItalic(on);
    else if (action == m_underline)
        m_editor->setSelUnderline(on);
    else if (action == m_bullet)
        m_editor->setSelBullet(on);
    else if (action == m_left)
        m_editor->setSelAlignment(Alignment::Left);
    else if (action == m_center)
        m_editor->setSelAlignment(Alignment::Center);
    else if (action == m_right)
        m_editor->setSelAlignment(Alignment::Right);
    // The selection now has the format throughout.
    setMark(action, action->isChecked());
}

void ComposePane::showSelectionFont()
{
    const std::optional<QString> font = m_editor->selFontName();
    m_font->setEditText(font.value_or(QString()));
}

void ComposePane::focusMessageText()
{
    m_editor->setFocus(Qt::OtherFocusReason);
}

void ComposePane::Richtextbox1SelectionChange()
{
    m_fontSize.selectionChanged(m_editor->selLength());
    const richtext::RichTextEditor::SelectionFormat format = m_editor->selFormat();
    m_font->setEditText(format.fontName.value_or(QString()));
    if (format.fontSize)
        m_size->setValue(qRound(*format.fontSize));
    setMark(m_bold, format.bold);
    setMark(m_italic, format.italic);
    setMark(m_underline, format.underline);
    setMark(m_bullet, format.bullet);
    if (const auto alignment = format.alignment) {
        switch (*alignment) {
        case Alignment::Left:
            m_left->setChecked(true);
            break;
        case Alignment::Right:
            m_right->setChecked(true);
            break;
        case Alignment::Center:
            m_center->setChecked(true);
            break;
        case Alignment::Justify:
            break;
        }
    }
}

bool ComposePane::refusedWhileDraftInUse()
{
    QList<const core::LongOperation *> operations{&m_send};
    operations += m_onDraft;
    for (const core::LongOperation *operation : std::as_const(operations)) {
        if (const std::optional<core::Notice> refused = operation->refusalWhileRunning()) {
            m_prompts.showNotice(this, *refused);
            return true;
        }
    }
    return false;
}

bool ComposePane::mayReplaceDraft()
{
    if (refusedWhileDraftInUse())
        return false;
    return !m_draft.isEditedSinceSettled() || m_prompts.confirm(this, tr("Discard the message you are writing?"));
}

void ComposePane::ClearNewIExecute()
{
    if (refusedWhileDraftInUse() || !m_prompts.confirm(this, clearQuestionText()))
        return;
    m_subject->clear();
    m_draft.clearLists();
    m_to->clear();
    m_attach->clear();
    m_editor->clear();
    m_editor->setSelBold(false);
    m_editor->setSelItalic(false);
    m_editor->setSelAlignment(Alignment::Left);
    m_editor->setSelUnderline(false);
    m_editor->setSelStrikethrough(false);
    m_editor->setSelFontSize(12);
    m_editor->setSelFontName(QStringLiteral("Times New Roman"));
    Richtextbox1SelectionChange();
    m_draft.settle();
}

bool ComposePane::sendDespiteUnknown(const QList<UnknownRecipient> &unknown)
{
    const QString names = unknownRecipientsText(unknown) + QStringLiteral("\n\n");
    // A name that differs from an entry only in case is a typing slip, not a person to add.
    const auto addable =
        std::find_if(unknown.begin(), unknown.end(), [](const UnknownRecipient &u) { return u.meant.isEmpty(); });
    if (addable == unknown.end())
        return m_prompts.confirm(this, names + tr("Send the message anyway?"));
    if (!m_prompts.confirm(this, names + tr("Add %1 to your address book now? (No sends the message as it is.)")
                                             .arg(addable->name)))
        return true;
    Q_EMIT addAddressRequested(addable->name);
    return false;
}

void ComposePane::SendiExecute()
{
    if (m_send.isRunning() || refusedWhileDraftInUse())
        return;
    if (m_addressEntries) {
        const QList<UnknownRecipient> unknown = unknownRecipients(m_draft.recipients(), m_addressEntries());
        if (!unknown.isEmpty() && !sendDespiteUnknown(unknown))
            return;
    }
    Draft &draft = m_draft.draft();
    draft.subject = m_subject->text();
    draft.rtfBody = m_editor->textRtf();
    const quint64 revision = draft.revision;
    if (m_send.send(draft, m_settings()))
        m_sentRevision = revision;
}

void ComposePane::sendFinished(const SendResult &result)
{
    // What was sent is no longer unsent work; edits made while the send ran still are.
    if (result.delivered)
        m_draft.settle(m_sentRevision);
    const QPointer<ComposePane> self(this);
    for (const core::Notice &notice : result.notices) {
        m_prompts.showNotice(this, notice);
        if (!self)
            return;
    }
    Q_EMIT sendEnded();
}

void ComposePane::ToBClick()
{
    if (!m_toDialogue)
        return;
    m_toDialogue->exec();
    m_draft.noteEdit(); // however the dialog was closed
}

void ComposePane::AttachBClick()
{
    if (m_attachDialogue)
        m_attachDialogue->exec();
}

void ComposePane::AttachCKeyPress()
{
    m_attachButton->setFocus();
    m_prompts.showNotice(this, {core::Notice::Code::AttachmentsNotEditable, core::Notice::Kind::Information, doNotEditAttachmentsText(), false});
    m_attach->setCurrentIndex(-1);
}

bool ComposePane::attachDropped(const QMimeData &mime)
{
    const QStringList paths = droppedFiles(mime);
    if (paths.isEmpty() || !m_attachDialogue)
        return false;
    m_attachDialogue->addDroppedPaths(paths);
    m_attachDialogue->UpdateList();
    return true;
}

void ComposePane::setIcons(const std::function<QIcon(const char *name)> &icon,
                           const std::function<QIcon(const char *name)> &desktopIcon)
{
    const std::pair<QAction *, const char *> themed[] = {{m_sendAction, "mail-sent"},
                                                         {m_clear, "mail-message-new"},
                                                         {m_bold, "format-text-bold"},
                                                         {m_italic, "format-text-italic"},
                                                         {m_underline, "format-text-underline"},
                                                         {m_left, "format-justify-left"},
                                                         {m_center, "format-justify-center"},
                                                         {m_right, "format-justify-right"},
                                                         {m_bullet, "format-list-unordered"}};
    for (const auto &[action, name] : themed)
        action->setIcon(icon(name));
    m_spellButton->setIcon(desktopIcon("tools-check-spelling"));
}

bool ComposePane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_attach && event->type() == QEvent::KeyPress) {
        // Letters, digits and editing keys would edit the box; moving the focus stays possible.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool edits = (!key->text().isEmpty() && key->text().at(0).isPrint())
                           || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
        if (edits && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            AttachCKeyPress();
            return true;
        }
    } else if (watched == m_subject && event->type() == QEvent::KeyPress) {
        m_draft.noteEdit(); // SubjectEKeyDown
    } else if (watched == m_editor->viewport()) {
        // Files dragged onto the editor are attached rather than pasted as their names.
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (!droppedFiles(*drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto *drop = static_cast<QDropEvent *>(event);
            if (attachDropped(*drop->mimeData())) {
                drop->acceptProposedAction();
                return true;
            }
        }
    }
    return ui::CaptionPanel::eventFilter(watched, event);
}

void ComposePane::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFiles(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ComposePane::dropEvent(QDropEvent *event)
{
    if (attachDropped(*event->mimeData()))
        event->acceptProposedAction();
}

} // namespace corvane::sending
