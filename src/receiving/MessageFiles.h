#pragma once

#include <QList>
#include <QString>

#include <pugixml.hpp>

namespace corvane::receiving {

struct MessageFile
{
    QString path;
    qint64 number = 0;
};

// A message file's name: user name, decimal number without leading zeros, ".cvm".
QString messageFileName(const QString &userName, qint64 number);

// The number in a message file name for the user, or 0 when the name is not one. The user name
// and the extension match without regard to letter case, as on the Windows shares peers use.
qint64 messageFileNumber(const QString &fileName, const QString &userName);

// Whose a message file is, from its name and the Recipient names of its To list (compared as
// the name is matched). A name read as the user's may be another user's whose name starts with
// it: Ann12.cvm is Ann's 12th or Ann1's 2nd. Only the To list tells; when it names both, the
// file is Shared: either user may hold the copy meant for the other.
enum class Addressee { Other, User, Shared };
Addressee addresseeOf(const QString &fileName, const pugi::xml_node &to, const QString &userName);

// The user's message files in the folder, in ascending number. One listing of the folder serves
// the whole scan, and a file after a gap in the numbers is found too.
QList<MessageFile> listMessageFiles(const QString &folder, const QString &userName);

} // namespace corvane::receiving
