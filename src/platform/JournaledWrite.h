#pragma once

#include "Errors.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace corvane::platform {

// New bytes for a file at an offset.
struct FilePatch
{
    qint64 offset = 0;
    QByteArray bytes;
};

// A change of a file in place: its patches (which do not overlap) and its size before and after.
struct FileChange
{
    qint64 sizeBefore = 0;
    qint64 sizeAfter = 0;
    std::vector<FilePatch> patches;
};

// The journal beside a store file: in its folder, named after it, a name no scan for message or
// store files matches.
QString journalPathFor(const QString &path);

// Writes the change into the file in place, so that a crash at any byte leaves a file that
// recoverJournal() brings to the state before or after the change: the change, with the bytes it
// replaces, is first written to the journal and flushed to disk, then the file is written and
// flushed, then the journal removed. A failed write of the file puts back the bytes it replaced.
// Throws WriteError.
void writeInPlace(const QString &path, const FileChange &change);

enum class Recovery {
    None,       // there was no journal
    Dropped,    // the file was untouched by the journal's change
    Finished,   // the change was whole in the file
    Completed,  // the change was partly written: it was written again
    RolledBack, // the change was partly written and could not be completed: it was undone
    Incomplete, // the journal was cut short while it was written (the file reads): kept aside
    Foreign,    // the file holds other bytes than the journal's: written by someone else since, or
                // another file put in its place; left as it is, the journal kept aside
    Unusable,   // the journal does not fit the file or the file does not read either way: both
                // left as they are, the journal kept aside; the store must not be written
};

struct JournalRecovery
{
    Recovery outcome = Recovery::None;
    QString keptAs; // where the journal was kept aside, when it was
};

// Looks for the journal a crash left beside the file, and finishes or undoes its change (see
// Recovery); `wellFormed` tells whether the file as it stands reads as a store. A repair acts only
// when every byte of the file in the journal's ranges is the journal's byte before or after the
// change there (so never on another file of the same size), and only a journal whose every field
// fits the file; otherwise the file is left as it is. A journal that did its work, or whose change
// never began, is removed; any other is kept aside under another name, never deleted. Throws
// WriteError when the file cannot be mended or the journal not read (the journal is kept then).
JournalRecovery recoverJournal(const QString &path, const std::function<bool()> &wellFormed);

// A journal's bytes as writeInPlace writes them, with the bytes each patch replaced: for tests that
// leave a journal of their own making beside a file.
QByteArray journalBytes(const FileChange &change, const std::vector<QByteArray> &before);

// For crash tests (test programs only, see TestHooks.h): the process ends abruptly (exit code 70)
// once writeInPlace has written this many bytes more (journal and file together); a negative
// number turns it off. In a program built with the test hooks, the environment variable
// CORVANE_TEST_EXIT_AFTER_BYTES sets it at its start; every other program ignores it.
void setExitAfterBytesForTesting(qint64 bytes);

} // namespace corvane::platform
