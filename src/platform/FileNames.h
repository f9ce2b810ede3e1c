#pragma once

#include <QString>

namespace corvane::platform {

// True when the text may be used as one file name on every platform peers run on (Windows rules):
// not empty, no path separator, no ": * ? \" < > |", no control characters, no trailing dot or
// space, not "." or "..", and not a reserved device name (CON, PRN, AUX, NUL, COM0-9, LPT0-9,
// also with an extension). Names from messages and settings that fail this never build a path.
bool isValidFileName(const QString &name);

} // namespace corvane::platform
