#include "MessageFiles.h"

#include "core/MessageFileNames.h"
#include "platform/Paths.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>

namespace corvane::receiving {

Addressee addresseeOf(const QString &fileName, const QStringList &recipients, const QString &userName)
{
    bool named = false;
    bool alsoAnother = false;
    for (const QString &name : recipients) {
        if (name.compare(userName, Qt::CaseInsensitive) == 0)
            named = true;
        else if (core::messageFileNumber(fileName, name) > 0)
            alsoAnother = true;
    }
    if (recipients.isEmpty())
        return Addressee::Nobody;
    if (!named)
        return Addressee::Other;
    return alsoAnother ? Addressee::Shared : Addressee::User;
}

QList<MessageFile> listMessageFiles(const QString &folder, const QString &userName)
{
    QList<MessageFile> files;
    if (userName.isEmpty())
        return files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (const qint64 number = core::messageFileNumber(name, userName))
            files.append({platform::joinPath(folder, name), name, number});
    }
    std::sort(files.begin(), files.end(),
              [](const MessageFile &a, const MessageFile &b) { return a.number < b.number; });
    return files;
}

} // namespace corvane::receiving
