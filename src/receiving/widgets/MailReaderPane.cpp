#include "receiving/widgets/MailReaderPane.h"

#include "receiving/InboxStore.h"
#include "receiving/MailReading.h"
#include "receiving/widgets/InboxPane.h"
#include "receiving/widgets/MessagePrinting.h"

#include "platform/Errors.h"
#include "platform/FileNames.h"
#include "richtext/gui/RtfReader.h"
#include "richtext/widgets/RichTextEditor.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QAction>
#include <QComboBox>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace corvane::receiving {

namespace {

QLabel *captionLabel(const QString &text, const char *name)
{
    auto *label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    return label;
}

// A label that shows a value and reads, for a screen reader, with its caption: "From: Ann".
QLabel *valueLabel(const char *name, const QString &caption)
{
    auto *label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleName(caption);
    return label;
}

void setValue(QLabel *label, const QString &caption, const QString &value)
{
    label->setText(value);
    label->setAccessibleName(caption + value);
}

// A tool button for the action, named for the window and, icon-only, by its short hint for a
// screen reader.
QToolButton *addButton(QToolBar *bar, QAction *action, const char *name)
{
    bar->addAction(action);
    auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(action->text());
    button->setAccessibleDescription(action->toolTip());
    return button;
}

QString fromCaption()
{
    return MailReaderPane::tr("From: ");
}
QString subjectCaption()
{
    return MailReaderPane::tr("Subject: ");
}
QString toCaption()
{
    return MailReaderPane::tr("To: ");
}
QString dateCaption()
{
    return MailReaderPane::tr("Date: ");
}

} // namespace

MailReaderPane::MailReaderPane(InboxStore &store, InboxPane &inbox, Desktop &desktop,
                               std::function<AttachmentPlaces()> places, QWidget *parent)
    : CaptionPanel(tr("Mail Reader"), parent), m_store(store), m_inbox(inbox), m_desktop(&desktop),
      m_places(std::move(places)), m_toolBar(new QToolBar), m_from(valueLabel("ReaderFromL", fromCaption())),
      m_subject(valueLabel("ReaderSubjectL", subjectCaption())), m_to(valueLabel("ReaderToL", toCaption())),
      m_date(valueLabel("ReaderDateL", dateCaption())), m_attachments(new QComboBox),
      m_body(new richtext::RichTextView)
{
    setObjectName(QStringLiteral("MailReaderPan"));
    m_toolBar->setObjectName(QStringLiteral("ReaderToolBar"));
    m_toolBar->setAccessibleName(tr("Mail Reader"));
    m_toolBar->setIconSize(QSize(16, 16));

    auto makeAction = [this](const QString &hint, const char *icon) {
        auto *action = new QAction(hint, this);
        action->setToolTip(hint);
        m_iconNames.append({action, icon});
        return action;
    };
    // Reply and Forward need a message shown.
    m_reply = makeAction(tr("Reply"), "mail-reply-sender");
    m_forward = makeAction(tr("Forward"), "mail-forward");
    m_replyAll = makeAction(tr("Reply All"), "mail-reply-all");
    m_reply->setEnabled(false);
    m_replyAll->setEnabled(false);
    m_forward->setEnabled(false);
    QAction *previous = makeAction(tr("Previous"), "go-previous");
    QAction *next = makeAction(tr("Next"), "go-next");
    addButton(m_toolBar, m_reply, "ReplyI");
    addButton(m_toolBar, m_replyAll, "ReplyAllI")->setAccessibleDescription(
        tr("Reply to the sender and every other recipient"));
    addButton(m_toolBar, m_forward, "ToolButton6");
    m_toolBar->addSeparator();
    addButton(m_toolBar, previous, "PreviousMsgB");
    addButton(m_toolBar, next, "NextMsgB");
    m_toolBar->addSeparator();
    // DeleteMsgI runs the InBox's InboxDeleteMsg, and only while a message is shown.
    m_delete = new QAction(inbox.deleteAction()->text(), this);
    m_delete->setToolTip(inbox.deleteAction()->toolTip());
    m_delete->setEnabled(false);
    m_iconNames.append({m_delete, "edit-delete"});
    // It deletes the message shown, not every row picked in the InBox.
    connect(m_delete, &QAction::triggered, this, [this] {
        m_inbox.grid()->setRow(m_inbox.grid()->Row());
        m_inbox.deleteAction()->trigger();
    });
    addButton(m_toolBar, m_delete, "DeleteMsgI");
    m_toolBar->addSeparator();
    m_print = makeAction(tr("Print…"), "document-print");
    m_exportPdf = makeAction(tr("Export as PDF…"), "application-pdf");
    m_print->setEnabled(false);
    m_exportPdf->setEnabled(false);
    addButton(m_toolBar, m_print, "PrintI");
    addButton(m_toolBar, m_exportPdf, "ExportPdfI");
    connect(m_print, &QAction::triggered, this, &MailReaderPane::printClick);
    connect(m_exportPdf, &QAction::triggered, this, &MailReaderPane::exportPdfClick);
    connect(previous, &QAction::triggered, this, &MailReaderPane::PreviousMsgBClick);
    connect(m_reply, &QAction::triggered, this, [this] {
        if (const std::optional<int> position = shownPosition())
            Q_EMIT replyRequested(*position);
    });
    connect(m_replyAll, &QAction::triggered, this, [this] {
        if (const std::optional<int> position = shownPosition())
            Q_EMIT replyAllRequested(*position);
    });
    connect(m_forward, &QAction::triggered, this, [this] {
        if (const std::optional<int> position = shownPosition())
            Q_EMIT forwardRequested(*position);
    });
    // The message shown was deleted, or the store loaded anew without it: nothing of it stays.
    connect(&store, &InboxStore::changed, this, [this] {
        if (m_shownRecord && !shownPosition())
            clearShown();
    });
    connect(next, &QAction::triggered, this, &MailReaderPane::NextMsgBClick);

    auto *attachmentBar = new QToolBar;
    attachmentBar->setObjectName(QStringLiteral("AttachmentToolBar"));
    attachmentBar->setAccessibleName(tr("Attachments"));
    attachmentBar->setIconSize(QSize(16, 16));
    QAction *run = makeAction(tr("Run Selected Atachment"), "system-run");
    m_run = run;
    m_run->setEnabled(false);
    QAction *folder = makeAction(tr("Open Inbox Folder"), "folder-open");
    m_save = makeAction(tr("Save Attachment As…"), "document-save-as");
    m_save->setEnabled(false);
    addButton(attachmentBar, run, "RunAttachI");
    addButton(attachmentBar, m_save, "SaveAttachI");
    connect(m_save, &QAction::triggered, this, &MailReaderPane::saveAttachmentClick);
    addButton(attachmentBar, folder, "OpinInboxI");
    connect(run, &QAction::triggered, this, &MailReaderPane::RunAttachIClick);
    connect(folder, &QAction::triggered, this, &MailReaderPane::OpinInboxIClick);

    m_attachments->setObjectName(QStringLiteral("ReaderAttachC"));
    m_attachments->setAccessibleName(tr("Attachments"));
    m_attachments->setMinimumContentsLength(24);
    m_attachments->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_body->setObjectName(QStringLiteral("ReadRichTextBox"));
    m_body->setAccessibleName(tr("Message"));

    QLabel *fromLabel = captionLabel(fromCaption(), "Label2");
    QLabel *subjectLabel = captionLabel(subjectCaption(), "Label3");
    QLabel *attachmentsCaption = captionLabel(tr("Attachments: "), "Label4");
    QLabel *toLabel = captionLabel(toCaption(), "ReaderToCaption");
    QLabel *dateLabel = captionLabel(dateCaption(), "ReaderDateCaption");
    fromLabel->setBuddy(m_from);
    toLabel->setBuddy(m_to);
    dateLabel->setBuddy(m_date);
    // Every recipient, however many: the line wraps rather than widening the pane.
    m_to->setWordWrap(true);
    subjectLabel->setBuddy(m_subject);
    attachmentsCaption->setBuddy(m_attachments);

    auto *header = new QGridLayout;
    header->setContentsMargins(6, 2, 6, 2);
    header->addWidget(fromLabel, 0, 0);
    header->addWidget(m_from, 0, 1, 1, 2);
    header->addWidget(toLabel, 1, 0, Qt::AlignTop);
    header->addWidget(m_to, 1, 1, 1, 2);
    header->addWidget(dateLabel, 2, 0);
    header->addWidget(m_date, 2, 1, 1, 2);
    header->addWidget(subjectLabel, 3, 0);
    header->addWidget(m_subject, 3, 1, 1, 2);
    header->addWidget(attachmentsCaption, 4, 0);
    header->addWidget(m_attachments, 4, 1);
    header->addWidget(attachmentBar, 4, 2, Qt::AlignLeft);
    header->setColumnStretch(2, 1);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_toolBar);
    layout->addLayout(header);
    layout->addWidget(m_body, 1);
    m_bodyReader.setMaxThreadCount(1);
    setDesktop(desktop);
}

MailReaderPane::~MailReaderPane()
{
    m_bodyReader.waitForDone();
}

void MailReaderPane::setDesktop(Desktop &desktop)
{
    m_desktop = &desktop;
    const QPointer<MailReaderPane> alive(this);
    desktop.openFailed = [alive](const QString &message) {
        if (alive)
            Q_EMIT alive->failed(core::Notice::error(core::Notice::Code::OpenFailed, message));
    };
}

void MailReaderPane::setIcons(const std::function<QIcon(const char *name)> &icon)
{
    for (const auto &[action, name] : m_iconNames)
        action->setIcon(icon(name));
}

bool MailReaderPane::MailReaderObiExecute()
{
    m_loadPending = false;
    return readSelectedRow(false);
}

bool MailReaderPane::readSelectedRow(bool afterRefill)
{
    const QPointer<MailReaderPane> alive(this);
    try {
        const sortgrid::TSortGrid &grid = *m_inbox.grid();
        const int row = grid.Row();
        const SelectedRow selected{row >= grid.FixedRows() && row < grid.RowCount(), m_inbox.selectedStorePosition()};
        const ReadOutcome outcome = readSelected(m_store, selected, afterRefill);
        switch (outcome.kind) {
        case ReadOutcome::Kind::Shown:
            m_shownRecord = m_store.recordId(outcome.position);
            showMessage(outcome.message);
            return true;
        case ReadOutcome::Kind::NothingSelected:
            clearShown();
            Q_EMIT failed(core::Notice::error(core::Notice::Code::NoMessageSelected, noMessageSelectedText()));
            return false;
        case ReadOutcome::Kind::RefillList:
            if (afterRefill)
                return false;
            // The row names no message yet: bring the list up to date, then ask once more. When
            // the fill goes on in steps, the message shows once it has finished.
            struct Outcome
            {
                bool returned = false;
                bool shown = false;
            };
            auto outcome = std::make_shared<Outcome>();
            m_inbox.showList([alive, outcome] {
                if (!alive)
                    return;
                outcome->shown = alive->readSelectedRow(true);
                if (outcome->returned && outcome->shown)
                    Q_EMIT alive->shownAfterFill();
            });
            outcome->returned = true;
            return outcome->shown;
        }
    } catch (const Error &error) {
        if (alive) {
            clearShown();
            Q_EMIT failed(core::Notice::error(core::Notice::Code::MessageNotShown, error.message()));
        }
    }
    return false;
}

std::optional<int> MailReaderPane::shownPosition() const
{
    return m_shownRecord ? m_store.positionOf(*m_shownRecord) : std::nullopt;
}

void MailReaderPane::focusMessage()
{
    m_body->setFocus();
}

void MailReaderPane::clearShown()
{
    m_shownRecord.reset();
    ++m_bodyGeneration; // a whole body still being read is dropped
    m_bodyShownGeneration = m_bodyGeneration;
    m_bodyReader.clear();
    m_body->clear();
    setValue(m_from, fromCaption(), QString());
    setValue(m_subject, subjectCaption(), QString());
    setValue(m_to, toCaption(), QString());
    setValue(m_date, dateCaption(), QString());
    m_attachments->clear();
    m_delete->setEnabled(false);
    m_reply->setEnabled(false);
    m_replyAll->setEnabled(false);
    m_forward->setEnabled(false);
    m_run->setEnabled(false);
    m_save->setEnabled(false);
    m_print->setEnabled(false);
    m_exportPdf->setEnabled(false);
}

void MailReaderPane::showMessage(const InboxMessage &message)
{
    m_body->setFocus();
    ++m_bodyGeneration;
    m_bodyReader.clear(); // bodies of messages passed by that were not yet being read
    if (message.bodyRtf.size() <= kBodyShownAtOnce) {
        m_body->showRtf(message.bodyRtf);
        m_bodyShownGeneration = m_bodyGeneration;
    } else {
        // The reader takes a cut-off document as far as it goes: the first screens show at once.
        m_body->showRtf(message.bodyRtf.left(kBodyShownAtOnce));
        readWholeBody(message.bodyRtf);
    }
    setValue(m_from, fromCaption(), message.from);
    setValue(m_subject, subjectCaption(), message.subject);
    setValue(m_to, toCaption(), message.to.join(QStringLiteral(", ")));
    setValue(m_date, dateCaption(), message.date);

    m_attachments->clear();
    m_shownFiles = message.files;
    const AttachmentPlaces where = places();
    QFileIconProvider icons;
    for (const QString &name : message.attachments) {
        // A name that cannot be a file name is listed, with a plain file icon, but never looked up.
        const QString path = attachmentFile(where, m_shownFiles, name);
        m_attachments->addItem(path.isEmpty() ? icons.icon(QFileIconProvider::File) : icons.icon(QFileInfo(path)),
                               name);
    }
    m_attachments->setCurrentIndex(m_attachments->count() > 0 ? 0 : -1);
    m_inbox.deleteAction()->setEnabled(true);
    m_delete->setEnabled(true);
    m_reply->setEnabled(true);
    m_replyAll->setEnabled(true);
    m_forward->setEnabled(true);
    m_run->setEnabled(true);
    m_save->setEnabled(true);
    m_print->setEnabled(true);
    m_exportPdf->setEnabled(true);
}

void MailReaderPane::readWholeBody(const QString &rtf)
{
    QThread *const uiThread = thread();
    const QFont font = m_body->document()->defaultFont();
    const quint64 generation = m_bodyGeneration;
    m_bodyReader.start([this, rtf, font, uiThread, generation] {
        auto document = std::make_shared<std::unique_ptr<QTextDocument>>(std::make_unique<QTextDocument>());
        (*document)->setDefaultFont(font);
        (*document)->setUndoRedoEnabled(false);
        richtext::readDocument(rtf, **document);
        (*document)->moveToThread(uiThread);
        // Dropped with the pane, or when another message was shown meanwhile.
        QMetaObject::invokeMethod(
            this,
            [this, document, generation] {
                if (generation != m_bodyGeneration)
                    return;
                m_body->showDocument(document->release());
                m_bodyShownGeneration = generation;
            },
            Qt::QueuedConnection);
    });
}

void MailReaderPane::PreviousMsgBClick()
{
    if (const std::optional<int> row = previousRow(m_inbox.grid()->Row()))
        step(*row);
}

void MailReaderPane::NextMsgBClick()
{
    const sortgrid::TSortGrid &grid = *m_inbox.grid();
    if (const std::optional<int> row = nextRow(grid.Row(), grid.RowCount()))
        step(*row);
}

void MailReaderPane::step(int row)
{
    // The selection moves at once; the message loads when the window is next idle, so a held key
    // moves through the list with one load waiting at most.
    m_inbox.grid()->setRow(row);
    if (m_loadPending)
        return;
    m_loadPending = true;
    QTimer::singleShot(0, this, &MailReaderPane::loadSelected);
}

void MailReaderPane::loadSelected()
{
    if (m_loadPending)
        MailReaderObiExecute();
}

AttachmentPlaces MailReaderPane::places() const
{
    return m_places ? m_places() : AttachmentPlaces{};
}

void MailReaderPane::RunAttachIClick()
{
    const QString name = m_attachments->currentText();
    if (name.isEmpty())
        return;
    try {
        const QString path = attachmentToOpen(places(), m_shownFiles, name);
        m_desktop->openFile(path, QFileInfo(path).path());
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::OpenFailed, error.message()));
    }
}

void MailReaderPane::saveAttachmentClick()
{
    const QString name = m_attachments->currentText();
    if (name.isEmpty() || !m_chooseSavePath)
        return;
    QString source;
    try {
        source = attachmentToOpen(places(), m_shownFiles, name);
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::CopyFailed, error.message()));
        return;
    }
    if (const std::optional<QString> destination = m_chooseSavePath(name))
        Q_EMIT saveAttachmentRequested(source, *destination);
}

std::unique_ptr<QTextDocument> MailReaderPane::printableShown() const
{
    if (!m_shownRecord)
        return nullptr;
    return printableMessage({m_from->text(), m_date->text(), m_to->text(), m_subject->text()}, *m_body->document());
}

void MailReaderPane::printClick()
{
    // A long body is printed whole, once it has been read whole.
    if (bodyReading()) {
        Q_EMIT failed({core::Notice::Code::MessageNotShown, core::Notice::Kind::Information,
                       tr("The message is still being read; try again in a moment."), false});
        return;
    }
    if (const std::unique_ptr<QTextDocument> document = printableShown())
        printWithDialog(*document, window());
}

void MailReaderPane::exportPdfClick()
{
    if (bodyReading()) {
        Q_EMIT failed({core::Notice::Code::MessageNotShown, core::Notice::Kind::Information,
                       tr("The message is still being read; try again in a moment."), false});
        return;
    }
    const std::unique_ptr<QTextDocument> document = printableShown();
    if (!document || !m_chooseSavePath)
        return;
    const QString suggested = m_subject->text() + QStringLiteral(".pdf");
    const std::optional<QString> path =
        m_chooseSavePath(platform::isValidFileName(suggested) ? suggested : QStringLiteral("Message.pdf"));
    if (!path)
        return;
    try {
        exportPdf(*document, *path);
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::CopyFailed, error.message()));
    }
}

void MailReaderPane::OpinInboxIClick()
{
    try {
        m_desktop->openFolder(places().inboxFolder);
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::OpenFailed, error.message()));
    }
}

} // namespace corvane::receiving
