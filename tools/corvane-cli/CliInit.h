#pragma once

#include "CliArguments.h"

#include <QString>
#include <QTextStream>

namespace corvane::cli {

// Writes the profile's main.ini from the given name and folders, with every other setting as a
// first start of the window leaves it. Refuses the first start's placeholders, a name no message
// file can carry, an inbox folder that is not there, and a profile that has settings unless
// forced. Throws CliError; returns the exit status.
int initProfile(const InitCommand &command, const QString &profileFolder, const QString &shippedFolder,
                QTextStream &out);

} // namespace corvane::cli
