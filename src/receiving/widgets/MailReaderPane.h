#pragma once

#include "receiving/AttachmentFiles.h"

#include "core/Notice.h"
#include "platform/RecordIds.h"
#include "ui/widgets/CaptionPanel.h"

#include <QIcon>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QTextDocument;
class QToolBar;

namespace corvane::richtext {
class RichTextView;
}

namespace corvane::receiving {

class Desktop;
class InboxPane;
class InboxStore;
struct InboxMessage;

// The Mail Reader pane: the message of the InBox grid's selected row with its sender, recipients,
// date, subject, attachments (each with its file type's icon) and body. Previous and Next move the grid's
// selection a row up or down, so they follow the list's sort; Run Selected Atachment and Open Inbox
// Folder go to the desktop. Reply and Forward, available once a message is shown, ask for the shown
// message to be answered or passed on. When no message can be shown (none selected, or the one
// shown was deleted) the reader is emptied and its message commands are off.
class MailReaderPane : public ui::CaptionPanel
{
    Q_OBJECT

public:
    // store, inbox and desktop must outlive the pane. places gives the user's inbox folder and
    // inbox data folder at the moment they are needed.
    MailReaderPane(InboxStore &store, InboxPane &inbox, Desktop &desktop, std::function<AttachmentPlaces()> places,
                   QWidget *parent = nullptr);
    ~MailReaderPane() override;

    // A body longer than this shows its first part at once while a worker reads it whole.
    static constexpr qsizetype kBodyShownAtOnce = 64 * 1024;

    void setDesktop(Desktop &desktop);
    // Gives the tool buttons their icons, asked for by their icon-theme names.
    void setIcons(const std::function<QIcon(const char *name)> &icon);

    // Shows the message of the grid's selected row and marks it read; says "You need to select a
    // message to read first" (through failed) when no message row is selected. True when a
    // message is shown; the window brings the pane to the front only then.
    bool MailReaderObiExecute();
    // Gives the message body the focus, once the pane is in front.
    void focusMessage();
    void PreviousMsgBClick();
    void NextMsgBClick();
    void RunAttachIClick();
    // Asks where to write a copy of the selected attachment, then asks for the copy.
    void saveAttachmentClick();
    // Print… and Export as PDF… of the shown message: its header, then its formatted body.
    void printClick();
    void exportPdfClick();
    // The shown message as it is printed; nothing while no message is shown.
    std::unique_ptr<QTextDocument> printableShown() const;
    // Asks the user for the file a copy of the named attachment goes to; nothing when cancelled.
    void setSaveDialog(std::function<std::optional<QString>(const QString &name)> choose)
    {
        m_chooseSavePath = std::move(choose);
    }
    void OpinInboxIClick();

    // Where the message shown is in the store now; nothing before the first, after it was deleted
    // and after a showing with nothing selected, until a message is shown again.
    std::optional<int> shownPosition() const;
    // Loads requested by Previous and Next that have not run yet: never more than one.
    int pendingLoads() const { return m_loadPending ? 1 : 0; }
    // A long body is still being read whole.
    bool bodyReading() const { return m_bodyShownGeneration != m_bodyGeneration; }

Q_SIGNALS:
    void failed(const core::Notice &notice);
    // ReplyI and ToolButton6: the message at this store position is to be answered or forwarded.
    void replyRequested(int position);
    void forwardRequested(int position);
    // "Save Attachment As…": the attachment's file is to be copied to the destination.
    void saveAttachmentRequested(const QString &source, const QString &destination);
    // ReplyAllI: the message at this store position is to be answered to all its people.
    void replyAllRequested(int position);
    // A message asked for while the list filled in steps is shown now that the fill has ended.
    void shownAfterFill();

private:
    AttachmentPlaces places() const;
    // Shows the selected row's message; afterRefill: the list was just filled again for it.
    bool readSelectedRow(bool afterRefill);
    void showMessage(const InboxMessage &message);
    QList<std::pair<QAction *, const char *>> m_iconNames; // each tool button's action and icon
    // Empties the reader; its message commands are off until a message is shown again.
    void clearShown();
    void step(int row);
    void loadSelected();
    void readWholeBody(const QString &rtf);

    InboxStore &m_store;
    InboxPane &m_inbox;
    Desktop *m_desktop;
    std::function<AttachmentPlaces()> m_places;
    KeptFiles m_shownFiles; // of the message shown: where its attachments lie
    QToolBar *m_toolBar;
    QAction *m_reply;
    QAction *m_forward;
    QAction *m_replyAll;
    QAction *m_run;
    QAction *m_save;
    QAction *m_print;
    QAction *m_exportPdf;
    std::function<std::optional<QString>(const QString &name)> m_chooseSavePath;
    QAction *m_delete;
    QLabel *m_from;
    QLabel *m_subject;
    QLabel *m_to;   // every recipient, joined by ", "
    QLabel *m_date; // the date text as stored
    QComboBox *m_attachments;
    richtext::RichTextView *m_body;
    std::optional<platform::RecordId> m_shownRecord;
    bool m_loadPending = false;
    quint64 m_bodyGeneration = 0; // raised by every message shown: a late whole body is dropped
    quint64 m_bodyShownGeneration = 0;
    QThreadPool m_bodyReader; // joined before the view goes
};

} // namespace corvane::receiving
