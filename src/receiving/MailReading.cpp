#include "MailReading.h"

#include "platform/Errors.h"
#include "platform/FileNames.h"
#include "platform/Paths.h"

#include <QFileInfo>

namespace corvane::receiving {

std::optional<int> previousRow(int row)
{
    if (row >= 2)
        return row - 1;
    return std::nullopt;
}

std::optional<int> nextRow(int row, int rowCount)
{
    if (row >= 1 && row < rowCount - 1)
        return row + 1;
    return std::nullopt;
}

QString attachmentPath(const QString &inboxFolder, const QString &name)
{
    if (!platform::isValidFileName(name))
        return {};
    return platform::joinPath(inboxFolder, name);
}

QString attachmentToOpen(const QString &inboxFolder, const QString &name)
{
    const QString path = attachmentPath(inboxFolder, name);
    if (path.isEmpty())
        throw Error(QStringLiteral("The attachment \"%1\" is not opened: its name cannot be a file name.").arg(name));
    if (!QFileInfo(path).isFile())
        throw IoError(QStringLiteral("The attachment \"%1\" is not in your inbox folder (%2): it may not have "
                                     "been fetched yet, or it was moved or deleted.")
                          .arg(name, inboxFolder));
    return path;
}

ReadOutcome readSelected(InboxStore &store, const SelectedRow &selected, bool afterRefill)
{
    ReadOutcome outcome;
    if (!selected.dataRow)
        return outcome;
    const std::optional<int> position = selected.position;
    if (!position || *position < 0 || *position >= store.count()) {
        if (!afterRefill)
            outcome.kind = ReadOutcome::Kind::RefillList;
        return outcome;
    }
    outcome.kind = ReadOutcome::Kind::Shown;
    outcome.position = *position;
    outcome.message = store.shownMessage(*position);
    store.markRead(*position);
    return outcome;
}

} // namespace corvane::receiving
