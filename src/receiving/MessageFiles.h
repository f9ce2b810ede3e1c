#pragma once

#include <QList>
#include <QString>

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

// The user's message files in the folder, in ascending number. One listing of the folder serves
// the whole scan, and a file after a gap in the numbers is found too.
QList<MessageFile> listMessageFiles(const QString &folder, const QString &userName);

} // namespace corvane::receiving
