#pragma once

#include "core/Notice.h"
#include "Draft.h"

#include "addressbook/MailSettings.h"

#include <QObject>
#include <QStringList>

#include <optional>

namespace corvane::sending {

class OutgoingMessage;

// The draft being written in the compose pane: the chosen recipient names and the attached files'
// full paths (the recipient and attachment dialogs show and change these lists; the pane's boxes
// mirror them), with the subject and body that the pane puts in before a send. Edits ask the next
// send for a new message identifier (NewGuidNeeded).
class ComposeDraft : public QObject
{
    Q_OBJECT

public:
    explicit ComposeDraft(OutgoingMessage &outgoing, QObject *parent = nullptr);

    // The draft a send reads; its revision tells the send whether the draft was edited meanwhile.
    Draft &draft() { return m_draft; }
    const Draft &draft() const { return m_draft; }

    // An edit of the message: sets NewGuidNeeded and raises the draft's revision. Every change of
    // the recipient or attachment list below is one.
    void noteEdit();

    // Whether the user has work here that exists nowhere else: the draft was edited since it was
    // last sent, cleared or filled from a stored message.
    bool isEditedSinceSettled() const { return m_draft.revision != m_settledRevision; }
    // The draft as it stands is settled (cleared or filled); the revision form names the state a
    // send took, so that edits made while it ran still count.
    void settle() { settle(m_draft.revision); }
    void settle(quint64 revision)
    {
        m_settledRevision = revision;
        Q_EMIT changed();
    }

    const QStringList &recipients() const { return m_draft.recipients; }
    // Appends the names in order; a name already chosen is added again.
    void addRecipients(const QStringList &names);
    // Removes the entries at the given positions.
    void removeRecipientsAt(QList<int> positions);
    void setRecipients(const QStringList &names);

    const QStringList &attachmentPaths() const { return m_draft.attachmentPaths; }
    // Why the file cannot be attached: a folder, or a file whose name (letter case aside) is
    // already attached from another place, which would replace it in every target folder. The
    // same path may be attached twice. None when it can be added.
    std::optional<core::Notice> attachmentRefusal(const QString &path) const;
    // Appends the file unless it is refused; returns the refusal.
    std::optional<core::Notice> addAttachment(const QString &path);
    void removeAttachmentsAt(QList<int> positions);
    // Replaces the list as given (a reopened message keeps the paths it was sent with).
    void setAttachmentPaths(const QStringList &paths);

    // Empties both lists (Clear).
    void clearLists();

Q_SIGNALS:
    // An edit, or the draft settled: what is worth keeping of it may differ.
    void changed();
    void recipientsChanged();
    void attachmentsChanged();

private:
    OutgoingMessage &m_outgoing;
    Draft m_draft;
    quint64 m_settledRevision = 0;
};

// What the compose pane asks and says, in the user's language.
inline QString clearQuestionText()
{
    return ComposeDraft::tr("Are you sure you want to clear this message?");
}
inline QString doNotEditAttachmentsText()
{
    return ComposeDraft::tr("Please do not edit this manualy, use the attach button instead");
}
inline QString onlyFilesNotFoldersText(const QString &path)
{
    return ComposeDraft::tr("You can only send files not folders, you tried to send %1").arg(path);
}

// ApplyFontSize: whether the next change of the size box is applied to the editor. A selection
// change that leaves text selected makes the size box's next change (which may be the toolbar's
// own update to the selection's size) pass unapplied.
class FontSizeRule
{
public:
    void selectionChanged(int selectionLength) { ApplyFontSize = selectionLength == 0; }
    // SizeSEChange: whether this change of the size box sets the selection's size.
    bool sizeChanged()
    {
        if (ApplyFontSize)
            return true;
        ApplyFontSize = true;
        return false;
    }

    bool ApplyFontSize = true;
};

} // namespace corvane::sending
