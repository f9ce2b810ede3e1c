#pragma once

#include "ReadAhead.h"

#include "addressbook/MailSettings.h"
#include "addressbook/RecipientList.h"
#include "core/Notice.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace corvane::addressbook {
class AddressCollector;
}

namespace corvane::core {
struct MessageFile;
class ParsedMessageFile;
}

namespace corvane::receiving {

class AttachmentRetrieval;
class InboxStore;

// The status bar's text while a check runs, in the user's language.
inline QString checkingMessagesText()
{
    return QCoreApplication::translate("corvane::receiving::MailCheck", "Checking Messages");
}

struct CheckResult
{
    bool newMail = false;  // announce: sound, "New mail" box, beep, Inbox pane
    int stored = 0;        // messages added to the store
    int duplicates = 0;    // files dropped as second copies
    int deleted = 0;       // message files removed from the folders
    QList<core::Notice> notices; // errors and notes for the user, in order
};

// The status bar's text while a check waits to see whether a file that is no message yet is still
// being written.
inline QString waitingForFileText(const QString &fileName)
{
    return QCoreApplication::translate("corvane::receiving::MailCheck",
                                       "Checking Messages: is %1 still being written?")
        .arg(fileName);
}

// The mail check: takes the message files addressed to the user out of the reachable folders
// into the inbox store. start() returns at once; the check goes on in steps on the UI thread,
// each a few milliseconds of work run from the event loop (or woken by the reader when it waited
// for a file), and ends with finished(). A file is taken only when its name is the user's and its
// To list names the user; it is removed only after the store holding its message has been saved,
// and only while it is still the file that was read, so nothing is lost when the check stops
// half-way, the program ends, or the store is loaded again meanwhile.
//
// A file that is no message (it does not parse, or it names no recipient at all) never holds the
// others back. A file that does not parse may be one an older peer is still
// writing in place: it is set aside (renamed, the user told) once it has stayed unchanged for
// kSettledMs, which a check that found it first waits for at its end, after saving what it took;
// a file seen growing meanwhile is given kSetAsideAfterMs unchanged instead.
class MailCheck : public QObject
{
    Q_OBJECT

public:
    // How long a file that does not parse must stay unchanged to be taken for no message at all.
    static constexpr qint64 kSettledMs = 5 * 1000;
    // The same for a file that was seen growing: a sender that writes slowly may pause.
    static constexpr qint64 kSetAsideAfterMs = 10 * 60 * 1000;
    // How long a copy that reads as another user's too must lie unchanged before it is taken: by
    // then the sender has written the user's own copy, if it writes one into that folder.
    static constexpr qint64 kSharedSettleMs = 60 * 1000;

    MailCheck(InboxStore &store, addressbook::AddressCollector &collector, QObject *parent = nullptr);
    ~MailCheck() override;

    void setAttachmentRetrieval(AttachmentRetrieval *retrieval) { m_retrieval = retrieval; }
    // Test seam: the clock that decides when an unreadable file is set aside or a shared copy
    // has settled. The wait at the end of a check lasts until this clock says the file has
    // settled (at once when it already has).
    void setClock(std::function<qint64()> nowMs) { m_nowMs = std::move(nowMs); }

    // Test seam for a slow or hanging share: reads one message file (readMessageBytes when empty).
    void setFileReader(std::function<FileRead(const QString &path)> read) { m_readFile = std::move(read); }

    bool isRunning() const { return m_running; }

    // The Check Mail action: starts a check, whose outcome comes with finished(). False, and no
    // finished(), when a check or an address collection is running: checks are never nested.
    bool start(const addressbook::MailSettings &settings);
    // Ends a running check at its next step: what it took in is saved and only then are those
    // files removed, as at a normal end; finished() still comes.
    void cancel();

    // The name under which an unreadable message file is set aside.
    static QString setAsideName(const QString &fileName);

Q_SIGNALS:
    void statusTextChanged(const QString &text);
    void checkiEnabledChanged(bool enabled);
    // One message file handled: stored, dropped as a duplicate, or taken without storing.
    void messageFileHandled(const QString &path, const QString &guid, bool stored);
    // Once per check that started, after the status text has been cleared.
    void finished(const receiving::CheckResult &result);

private:
    struct Taken
    {
        QString path;
        FileIdentity identity; // of the file read: another file under its name is not removed
    };
    struct Unreadable
    {
        FileIdentity identity;
        qint64 since = 0;    // unchanged since
        bool grew = false;   // seen changing: the longer wait
        bool reported = false;
    };
    // A file first found unparsable in this check, looked at again at its end.
    struct Settling
    {
        QString path;
        FileIdentity identity;
        QString reason;
    };
    struct Unopenable
    {
        qint64 since = 0;
        bool reported = false;
    };
    struct SharedCopy
    {
        FileIdentity identity;
        qint64 since = 0;
    };

    // The folder being scanned: its files in order, read ahead by a worker.
    struct FolderScan;
    enum class Phase { Idle, Refused, Collecting, WaitingForFolders, FoldersFound, Scanning, Removing, Settling };
    enum class Removal { Removed, Replaced, Held };
    enum class Progress { More, Waiting, Done };
    enum class FileOutcome { Next, CheckEnds };

    void scheduleStep();
    void step();
    // Starts the address collection; foldersCollected goes on with the folders it found.
    void collectFolders();
    void foldersCollected(const addressbook::RecipientList &folders);
    // Works through the folders' files for one step: until its time is used up (More), until
    // the reader has no file ready (Waiting), or to the end of the scan.
    Progress scanSlice();
    void openFolder(const QString &folder);
    FileOutcome takeFile(FileRead read);
    // Takes in the shared copies of the folder whose files have all been read.
    FileOutcome finishFolder();
    // Saves what was taken in, then removes its files on the worker and finishes.
    void end();
    void removalsDone(const QList<Taken> &taken, const std::vector<Removal> &outcomes);
    // Waits until the files first found unparsable in this check have settled, then sets aside
    // those that stayed unchanged, and ends.
    void settle();
    void settled();
    void ended();
    void finish();
    // Takes the file in; a shared copy only when its message is still missing and the copy has
    // settled.
    void handle(const core::ParsedMessageFile &file, const core::MessageFile &parsed, const FileRead &read,
                const QString &folder, bool shared, CheckResult &result);
    void takeIn(const core::ParsedMessageFile &file, const core::MessageFile &parsed, const QString &path,
                const QString &folder, CheckResult &result);
    enum class SetAside { WhenSettled, AtOnce };
    // Remembers a file that is no message (it does not parse, is too large to be a message file,
    // or names no recipient); true when it has now been moved aside: at once, or
    // when it stayed unchanged long enough. A file found for the first time waits for the end of
    // the check (settle).
    bool noteUnreadable(const FileRead &read, const QString &reason, SetAside when, CheckResult &result);
    // Renames the file aside and tells the user; true when it is gone from its name.
    bool moveAside(const QString &path, const QString &reason, CheckResult &result);
    // A pipe, device, socket or link out of the folder under a message file's name: logged once.
    void noteNotAFile(const FileRead &read);
    // Remembers a file that cannot be opened or read whole; told once when it lasts.
    void noteUnopenable(const FileRead &read, CheckResult &result);
    bool storeReplaced() const;
    // Removes the files, many at a time (on a share each removal waits for the server). Runs on
    // the worker.
    static std::vector<Removal> removeFiles(const QList<Taken> &taken);

    InboxStore &m_store;
    addressbook::AddressCollector &m_collector;
    AttachmentRetrieval *m_retrieval = nullptr;
    std::function<qint64()> m_nowMs;
    std::function<FileRead(const QString &)> m_readFile;
    bool m_running = false;
    Phase m_phase = Phase::Idle;
    bool m_cancelled = false;
    bool m_stepQueued = false;
    addressbook::MailSettings m_settings;
    CheckResult m_result;
    QStringList m_folders; // still to scan, in order
    std::unique_ptr<FolderScan> m_scan;
    QTimer *m_readerLate = nullptr; // looks again at a read that may pass its time limit
    QTimer *m_settleWait = nullptr; // ends the wait for files to settle
    QString m_ownInbox;
    quint64 m_storeGeneration = 0; // of the store the check appends to
    QList<Taken> m_taken;                      // handled this check, removed after the save
    QHash<QString, FileIdentity> m_notRemoved; // handled and saved, but the removal failed
    QHash<QString, Unreadable> m_unreadable;
    QList<Settling> m_settling; // first found unparsable in this check
    QHash<QString, Unopenable> m_unopenable;
    QHash<QString, SharedCopy> m_sharedSeen;
    QSet<QString> m_notAFile; // told in the log already
    QThreadPool m_removals;   // the worker that removes the files taken in; last, so it goes first
};

} // namespace corvane::receiving
