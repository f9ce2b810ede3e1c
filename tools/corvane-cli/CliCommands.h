#pragma once

#include "CliArguments.h"

#include <QTextStream>

namespace corvane::cli {

// Exit status of the tool.
enum ExitCode { kSuccess = 0, kFailure = 1, kUsage = 2 };

// Runs one parsed command against its profile, writing results to `out` and messages to `err`.
// Returns the exit status.
int runCommand(const Invocation &invocation, const QString &defaultProfile, QTextStream &out, QTextStream &err);

} // namespace corvane::cli
