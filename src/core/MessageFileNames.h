#pragma once

#include <QString>

namespace corvane::core {

// The name of a user's n-th message file: the user's name, n in decimal and ".cvm".
QString messageFileName(const QString &userName, qint64 number);

// The number in a message file name of the user, or 0 when the name is not one: the user's name,
// a positive decimal without sign or leading zeros, ".cvm". The user name and the extension match
// without regard to letter case, as on the Windows shares peers use.
qint64 messageFileNumber(const QString &fileName, const QString &userName);

// True when the user name can name message files: valid itself, and every numbered file name
// built from it is valid too (the name "COM" would give the device name "COM1.cvm").
bool canNameMessageFiles(const QString &userName);

// True for the names of the files the mail keeps in a shared folder, which an attachment must
// never replace: message files (any name ending in digits and ".cvm"), those set aside as
// unreadable, "Attach.ini", and the program's temporary and lock names ("~corvane-...").
// Compared without regard to case, as on the shares.
bool isMailFolderFileName(const QString &name);

} // namespace corvane::core
