#pragma once

#include <QString>

namespace corvane::platform {

// True when the text may be used as one file name on every platform peers run on (Windows rules):
// not empty, no path separator, no ": * ? \" < > |", no control characters, no trailing dot or
// space, not "." or "..", and not a reserved device name (CON, PRN, AUX, NUL, COM0-9, LPT0-9,
// also with an extension). Names from messages and settings that fail this never build a path.
bool isValidFileName(const QString &name);

// The name of a user's n-th message file: the user's name, n and ".cvm".
QString messageFileName(const QString &userName, qint64 n);

// True when the user name can name message files: valid itself, and every numbered file name
// built from it is valid too (the name "COM" would give the device name "COM1.cvm").
bool canNameMessageFiles(const QString &userName);

// True for the names of the files the mail keeps in a shared folder, which an attachment must
// never replace: message files (any name ending in digits and ".cvm"), those set aside as
// unreadable, "Attach.ini", and the program's temporary and lock names ("~corvane-...").
// Compared without regard to case, as on the shares.
bool isMailFolderFileName(const QString &name);

} // namespace corvane::platform
