#pragma once

#include "Errors.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

#include <functional>

namespace corvane::platform {

// A write that failed: the message is "Unable to write to <path>"; reason() says why.
class WriteError : public IoError
{
public:
    WriteError(const QString &path, const QString &reason);
    const QString &path() const noexcept { return m_path; }
    const QString &reason() const noexcept { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};

// Publishes a file atomically: the writer fills a temporary file in the target's folder, which is
// flushed to disk and then renamed over the target. A failure or an exception from the writer
// removes the temporary file and leaves the target as it was. Throws WriteError.
void writeFileAtomically(const QString &path, const std::function<void(QIODevice &)> &writer);
void writeFileAtomically(const QString &path, const QByteArray &content);

// Flushes an open file's buffers and asks the system to put its data on the disk.
bool flushToDisk(QFile &file);

// Reads a whole file; refuses files larger than maxBytes. Throws IoError.
QByteArray readWholeFile(const QString &path, qint64 maxBytes = qint64(2) << 30);

// Test seam for a full disk or a crash: called with the target path after the temporary file is
// written and before it is renamed into place; returning true makes the write fail there.
using WriteFaultHook = std::function<bool(const QString &path)>;
void setWriteFaultHookForTesting(WriteFaultHook hook);

// The name prefix of temporary files, chosen so that no scan for message or store files matches.
QString temporaryFilePrefix();

} // namespace corvane::platform
