#pragma once

#include "CliArguments.h"

#include "core/Notice.h"

#include <QTextStream>

namespace corvane::cli {

// Exit status of the tool.
enum ExitCode { kSuccess = 0, kFailure = 1, kUsage = 2 };

// What a notice makes of the command that raised it: the result it was run for (printed to
// standard output), a note beside it, or a failure (both printed to standard error).
enum class NoticeOutcome { Result, Note, Failure };
NoticeOutcome noticeOutcome(const core::Notice &notice);

// Prints the notices where their outcome sends them; returns whether any of them was a failure.
bool reportNotices(const QList<core::Notice> &notices, QTextStream &out, QTextStream &err);

// Runs one parsed command against its profile, writing results to `out` and messages to `err`.
// Returns the exit status.
int runCommand(const Invocation &invocation, const QString &defaultProfile, QTextStream &out, QTextStream &err);

} // namespace corvane::cli
