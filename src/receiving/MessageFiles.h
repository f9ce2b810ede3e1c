#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace corvane::receiving {

struct MessageFile
{
    QString path;
    QString name; // the file name alone
    qint64 number = 0;
};

// Whose a message file is, from its name and the Recipient names of its To list (compared as
// the name is matched). A name read as the user's may be another user's whose name starts with
// it: Ann12.cvm is Ann's 12th or Ann1's 2nd. Only the To list tells; when it names both, the
// file is Shared: either user may hold the copy meant for the other. A sender always names the
// file's recipient in the To list, so a file whose list names nobody at all (a message cut short)
// is Nobody's.
enum class Addressee { Nobody, Other, User, Shared };
Addressee addresseeOf(const QString &fileName, const QStringList &recipients, const QString &userName);

// The user's message files in the folder, in ascending number. One listing of the folder serves
// the whole scan, and a file after a gap in the numbers is found too.
QList<MessageFile> listMessageFiles(const QString &folder, const QString &userName);

} // namespace corvane::receiving
