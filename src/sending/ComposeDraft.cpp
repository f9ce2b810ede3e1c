#include "ComposeDraft.h"

#include "OutgoingMessage.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace corvane::sending {

using core::Notice;

ComposeDraft::ComposeDraft(OutgoingMessage &outgoing, QObject *parent) : QObject(parent), m_outgoing(outgoing)
{
}

void ComposeDraft::noteEdit()
{
    m_draft.noteEdit();
    m_outgoing.NewGuidNeeded = true;
    Q_EMIT changed();
}

namespace {

// Removes the entries at the positions, from the back so that the positions stay valid.
// Returns whether any was removed.
bool removeAt(QStringList &list, QList<int> positions)
{
    std::sort(positions.begin(), positions.end(), std::greater<>());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    bool removed = false;
    for (const int position : std::as_const(positions)) {
        if (position >= 0 && position < list.size()) {
            list.removeAt(position);
            removed = true;
        }
    }
    return removed;
}

} // namespace

void ComposeDraft::addRecipients(const QStringList &names)
{
    if (names.isEmpty())
        return;
    m_draft.recipients += names;
    noteEdit();
    Q_EMIT recipientsChanged();
}

void ComposeDraft::removeRecipientsAt(QList<int> positions)
{
    if (removeAt(m_draft.recipients, std::move(positions)))
        noteEdit();
    Q_EMIT recipientsChanged();
}

void ComposeDraft::setRecipients(const QStringList &names)
{
    m_draft.recipients = names;
    noteEdit();
    Q_EMIT recipientsChanged();
}

std::optional<Notice> ComposeDraft::attachmentRefusal(const QString &path) const
{
    const QFileInfo info(path);
    if (info.isDir())
        return Notice{Notice::Code::AttachmentRefused, Notice::Kind::Error, onlyFilesNotFoldersText(path), false};
    const QString cleanPath = QDir::cleanPath(path);
    for (const QString &attached : m_draft.attachmentPaths) {
        if (QDir::cleanPath(attached) == cleanPath)
            continue; // the same file twice is allowed
        if (QFileInfo(attached).fileName().compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return Notice{Notice::Code::AttachmentRefused, Notice::Kind::Warning,
                          tr("%1 cannot be attached: %2 is already attached under the same name, and "
                             "each recipient would receive only one of the two files. Rename one of "
                             "them, or remove the other from the attachments.")
                              .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(attached)),
                          true};
    }
    return std::nullopt;
}

std::optional<Notice> ComposeDraft::addAttachment(const QString &path)
{
    if (auto refused = attachmentRefusal(path))
        return refused;
    m_draft.attachmentPaths.append(path);
    noteEdit();
    Q_EMIT attachmentsChanged();
    return std::nullopt;
}

void ComposeDraft::removeAttachmentsAt(QList<int> positions)
{
    if (removeAt(m_draft.attachmentPaths, std::move(positions)))
        noteEdit();
    Q_EMIT attachmentsChanged();
}

void ComposeDraft::setAttachmentPaths(const QStringList &paths)
{
    m_draft.attachmentPaths = paths;
    noteEdit();
    Q_EMIT attachmentsChanged();
}

void ComposeDraft::clearLists()
{
    m_draft.recipients.clear();
    m_draft.attachmentPaths.clear();
    noteEdit();
    Q_EMIT recipientsChanged();
    Q_EMIT attachmentsChanged();
}

} // namespace corvane::sending
