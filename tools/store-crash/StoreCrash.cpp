// Crash test of the inbox store's writes: corvane-cli is ended abruptly, over and over, while it
// takes new mail into a large store, deletes a message or compacts the store; after each end the
// store is mended when the end left a journal, and checked:
// - it parses with a plain XML parser (and with xmllint, when installed), its list holds nothing
//   but messages, and corvane-cli lists as many messages as that parser finds;
// - every message ever delivered is in the store or still a file in an inbox folder, none is in
//   the store twice, and every message in the store is byte for byte what it was when first seen
//   but for its read mark (a deleted one may be gone or still there, never damaged); a read mark
//   another installation saved stays;
// - a journal left by the end was used and the repair logged, and no journal is left after it
//   (one cut short while it was written is kept aside, counted and removed);
// - a run the end did not reach did its whole work (a finished check left no message file, a
//   finished deletion removed its message).
//
//   store_crash CORVANE_CLI WORK_FOLDER MESSAGES ROUNDS [--seed N]
//
// CORVANE_CLI is corvane-cli built with the test hooks (corvane-cli-test-hooks, beside this
// program): the shipped one ignores CORVANE_TEST_EXIT_AFTER_BYTES, and the test refuses it.
//
// A round ends the tool in one of three ways: a check of 1 to 50 new message files, ended at an
// exact byte of its journaled write (CORVANE_TEST_EXIT_AFTER_BYTES) or by SIGKILL after a random
// delay; a deletion of a random message, ended likewise; a compaction (made due by a deletion
// first), ended by SIGKILL, since it writes a temporary file and renames it rather than through
// the journal.
//
// The store is mended by `corvane-cli --verbose check` on a profile that shares the first one's
// data folder but has an empty inbox folder: the real program opens the store for writing,
// repairs it, breaks the lock folders the ended process left, and writes nothing else.
//
// A second installation writes the same store between the first one's runs:
// - a profile that shares the store folder and has an inbox folder of its own: its check of 1 to
//   10 files is, in some rounds, the first to open the store after the end (it breaks the lock and
//   makes the repair), and its deletions come after the round's checks; half of its writes keep
//   the file's modification time (a share with coarse times);
// - a copy of the store on another machine, kept in step by a sync tool (this program, copying the
//   file and keeping the target's time): it reads its copy, marks messages read, and saves the
//   marks only after the first installation wrote the store again and the sync brought that in
//   (often with the same size and time: only the store's change mark tells), then the sync takes
//   its file back. It must notice the change, and its marks must land on their messages, never in
//   the blanks of one deleted meanwhile. Before some of these saves it compacts its file, and the
//   sync brings the store in while the compaction runs: a compaction of a file that changed
//   meanwhile must not take its place.
// After some ends that left a journal, another file is put in the store's place before the repair:
// the copy's file (with new marks), a copy of the store taken a round or some rounds before, or the
// store before the round with two messages of the same length in each other's places (the size
// kept, other messages at the journal's places), with the ended file's time half the time. The
// repair must leave that file byte for byte as it is and keep the journal aside (or drop it, when
// the file is exactly the journal's file before or after its change); messages the file lacks and
// whose files were taken are counted as dropped by the replacement, not as lost.
//
// The seed fixes every choice; a kill by signal lands at another moment from run to run. The files
// as the end left them (store, journal, the file put in its place, kept-aside journals, the store
// before the second installation wrote, the copy's file as it last read it) are kept in
// WORK_FOLDER/failure-ROUND/ for the first round that fails; the work folder is removed when every
// round passed.
#include "mail/MailFixtures.h"

#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/FolderLock.h"
#include "platform/IniFile.h"
#include "platform/JournaledWrite.h"
#include "receiving/InboxStore.h"
#include "shell/ProfileLock.h"
#include "shell/Settings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>

#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <random>

using namespace corvane;

namespace {

// Bodies of this size make stored messages of 2.3 KB.
constexpr int kBodyCharacters = 2000;
constexpr int kMaxNewFiles = 50;
constexpr int kMaxOtherFiles = 10;
// The older of the two earlier copies of the store is taken anew every so many rounds.
constexpr int kOlderCopyEvery = 4;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// What the store code of this process logs (the synced copy's store), for the checks to read;
// warnings are shown as well.
QStringList &logged()
{
    static QStringList lines;
    return lines;
}

void keepLogged(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    logged().append(message);
    // A compaction the copy drops because the file changed under it is what the test makes.
    if (type != QtDebugMsg && type != QtInfoMsg && !message.contains(QStringLiteral("was not put in place")))
        err() << message << Qt::endl;
}

enum class Kind { Check, Delete, Compact };
const char *nameOf(Kind kind)
{
    return kind == Kind::Check ? "check" : kind == Kind::Delete ? "delete" : "compaction";
}

enum class End { AtByte, BySignal, Finished, Failed };

struct Run
{
    End end = End::Failed;
    int exitCode = 0;
    qint64 ms = 0;
    QByteArray out;
    QByteArray errors;
};

// What a repair logged ("Repair of <store>: <what>[; the journal was kept as <path>]").
enum class Outcome { Dropped, Finished, Completed, RolledBack, CutShort, Foreign, Unusable, Unknown };
struct Repair
{
    Outcome outcome = Outcome::Unknown;
    QString text;
    QString keptAs;
};

std::optional<Repair> repairLogged(const QByteArray &errors)
{
    const qsizetype at = errors.indexOf("Repair of ");
    if (at < 0)
        return std::nullopt;
    QByteArray line = errors.mid(at);
    line.truncate(line.indexOf('\n') < 0 ? line.size() : line.indexOf('\n'));
    line = line.mid(line.indexOf(": ") + 2);
    Repair repair;
    const QByteArray keptLead = "; the journal was kept as ";
    if (const qsizetype kept = line.indexOf(keptLead); kept >= 0) {
        repair.keptAs = QString::fromUtf8(line.mid(kept + keptLead.size()));
        line.truncate(kept);
    }
    repair.text = QString::fromUtf8(line);
    static const std::pair<const char *, Outcome> outcomes[] = {
        {"dropped an unfinished write", Outcome::Dropped},      {"found the last write complete", Outcome::Finished},
        {"completed an interrupted write", Outcome::Completed}, {"undid an interrupted write", Outcome::RolledBack},
        {"the journal was cut short", Outcome::CutShort},       {"the file holds other bytes", Outcome::Foreign},
        {"the journal does not fit", Outcome::Unusable},
    };
    for (const auto &[prefix, outcome] : outcomes)
        if (line.startsWith(prefix))
            repair.outcome = outcome;
    return repair;
}

const char *shortName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Dropped: return "dropped (store untouched)";
    case Outcome::Finished: return "found complete";
    case Outcome::Completed: return "completed";
    case Outcome::RolledBack: return "undone";
    case Outcome::CutShort: return "journal cut short, kept aside";
    case Outcome::Foreign: return "another file, kept aside";
    case Outcome::Unusable: return "unusable, kept aside";
    case Outcome::Unknown: break;
    }
    return "not recognised";
}

bool keepsJournalAside(Outcome outcome)
{
    return outcome == Outcome::CutShort || outcome == Outcome::Foreign || outcome == Outcome::Unusable;
}

// What is known of a message ever delivered.
struct Known
{
    int index = 0;        // its subject is "Subject number <index>"
    bool deleted = false; // a deletion was started on it (or a replacement dropped it): it may be gone
    bool read = false;    // a read mark was saved on it
    QByteArray print;     // the fingerprint of its element as first seen in the store, without Read
};

// A message element's content, as a hash of its bytes as pugixml writes it.
QByteArray fingerprint(const pugi::xml_node &element)
{
    struct Hasher : pugi::xml_writer
    {
        QCryptographicHash hash{QCryptographicHash::Sha1};
        void write(const void *data, size_t size) override
        {
            hash.addData(QByteArrayView(static_cast<const char *>(data), qsizetype(size)));
        }
    } hasher;
    element.print(hasher, "", pugi::format_raw);
    return hasher.hash.result();
}

// A file's content as a hash, read in blocks (the store may be hundreds of megabytes).
QByteArray digest(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}

// The file's last bytes, as far back as a store's stamp reads them.
QByteArray tailOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)
        || !file.seek(std::max<qint64>(0, file.size() - platform::FileStamp::kTailBytes)))
        return {};
    return file.readAll();
}

QDateTime modifiedTime(const QString &path)
{
    return QFileInfo(path).lastModified();
}

void setModifiedTime(const QString &path, const QDateTime &time)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.setFileTime(time, QFileDevice::FileModificationTime))
        qFatal("could not set the time of %s", qPrintable(path));
}

// Puts a copy of a file in another's place, as a sync tool does (a new file renamed over it);
// with `keepTime` the replaced file's modification time is kept, as on a share with coarse times.
void copyInPlace(const QString &from, const QString &to, bool keepTime)
{
    const QDateTime time = modifiedTime(to);
    const QString temporary = to + QStringLiteral(".sync");
    QFile::remove(temporary);
    if (!QFile::copy(from, temporary))
        qFatal("could not copy %s", qPrintable(from));
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(to).constData()) != 0)
        qFatal("could not put %s in place", qPrintable(to));
    if (keepTime && time.isValid())
        setModifiedTime(to, time);
}

class CrashTest
{
public:
    CrashTest(QString cli, const QString &work, quint32 seed)
        : m_cli(std::move(cli)), m_work(QDir(work).absolutePath() + u'/'), m_random(seed)
    {
        m_profile = m_work + QStringLiteral("profile/");
        m_inbox = m_work + QStringLiteral("inbox/");
        m_repairProfile = m_work + QStringLiteral("repair/");
        m_otherProfile = m_work + QStringLiteral("other/");
        m_otherInbox = m_work + QStringLiteral("other-inbox/");
        m_store = receiving::InboxStore::pathIn(m_profile);
        m_syncedStore = receiving::InboxStore::pathIn(m_work + QStringLiteral("synced/"));
        m_previousCopy = m_work + QStringLiteral("copies/previous.cvi");
        m_olderCopy = m_work + QStringLiteral("copies/older.cvi");
        m_xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    }

    bool prepare(int messages)
    {
        const auto cannotMake = [] {
            err() << "the profile and its store could not be made" << Qt::endl;
            return false;
        };
        if (!makeProfiles() || !bench::writeInboxStore(m_store, 1, kBodyCharacters))
            return cannotMake();
        // A tool without the test hooks ignores the byte to end at, and the rounds that should end
        // there would test nothing.
        if (runCli({QStringLiteral("delete"), QStringLiteral("1")}, {}, 0).end != End::AtByte) {
            err() << m_cli << " did not end at the byte CORVANE_TEST_EXIT_AFTER_BYTES names: the crash test "
                  << "needs a corvane-cli built with the test hooks (corvane-cli-test-hooks)" << Qt::endl;
            return false;
        }
        QStringList guids;
        if (!makeProfiles() || !bench::writeInboxStore(m_store, messages, kBodyCharacters, &guids))
            return cannotMake();
        for (const QString &guid : guids)
            m_known.insert(guid, {m_nextIndex++, false, false, {}});
        // The other machine's copy compacts only when the test has it do so (and runs the event
        // loop for the hand-over).
        m_synced = std::make_unique<receiving::InboxStore>();
        m_synced->setCompactionShare(2.0);
        takeCopies();
        return verify(std::nullopt, {}, false);
    }

    void round(int number)
    {
        m_round = number;
        m_kind = Kind(pick(0, 2));
        QDir(m_work + QStringLiteral("before-repair")).removeRecursively();
        std::optional<QString> target;
        const std::optional<Run> run = runKilled(target);
        if (!run)
            return;
        const bool finished = run->end == End::Finished;
        QStringList mustBeEmpty;
        if (finished && m_kind == Kind::Check)
            mustBeEmpty.append(m_inbox);

        const QString journal = platform::journalPathFor(m_store);
        const bool journalLeft = QFile::exists(journal);
        if (journalLeft) {
            keep(m_store);
            keep(journal);
        }
        clearLitter();

        // Another file put in the store's place before the repair (a sync tool, another
        // installation).
        std::optional<QString> replacing;
        if (journalLeft && pick(0, 2) == 0)
            replacing = replaceStore(target);

        // The first to open the store after the end: the second installation's check, or the
        // repair profile when the end left a journal.
        std::optional<Run> opener;
        if (!replacing && pick(0, 3) == 0) {
            opener = otherCheck(journalLeft);
            if (opener->end == End::Finished)
                mustBeEmpty.append(m_otherInbox);
        } else if (journalLeft) {
            opener = runCli({QStringLiteral("check")}, m_repairProfile);
            if (opener->end != End::Finished)
                fail(
                    QStringLiteral("the open for writing failed: %1").arg(QString::fromUtf8(opener->errors.trimmed())));
        }
        bool mended = false;
        if (journalLeft)
            mended = checkRepair(opener ? &*opener : nullptr, replacing.has_value());
        if (replacing)
            checkLeftAsIs(*replacing, opener ? &*opener : nullptr);
        verify(finished ? target : std::nullopt, mustBeEmpty, journalLeft, mended);

        secondInstallationWrites();
        takeCopies();
    }

    int summary(int rounds, qint64 ms) const
    {
        const auto count = [](const auto &map, const auto &key) { return map.count(key) ? map.at(key) : 0; };
        const auto ends = [&](Kind kind, End end) { return count(m_ends, std::pair{kind, end}); };
        const auto tally = [](const QMap<QString, int> &counts) {
            for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
                std::printf(" %s %d;", qUtf8Printable(it.key()), it.value());
        };
        int kills = 0;
        for (const auto &[key, n] : m_ends)
            kills += key.second == End::Finished ? 0 : n;
        std::printf("store crash: %d rounds on a store of %d messages (now %lld) in %.1f s\n", rounds, m_initial,
                    qlonglong(m_order.size()), double(ms) / 1000);
        std::printf("  kills %d: check at a byte %d, by signal %d; delete at a byte %d, by signal %d; compaction by "
                    "signal %d\n",
                    kills, ends(Kind::Check, End::AtByte), ends(Kind::Check, End::BySignal),
                    ends(Kind::Delete, End::AtByte), ends(Kind::Delete, End::BySignal),
                    ends(Kind::Compact, End::BySignal));
        std::printf("  runs the kill did not reach: check %d, delete %d, compaction %d\n",
                    ends(Kind::Check, End::Finished), ends(Kind::Delete, End::Finished),
                    ends(Kind::Compact, End::Finished));
        std::printf("  repairs %d:", m_repairCount);
        tally(m_repairs);
        std::printf("\n  after a replacement %d:", m_replacedRepairCount);
        tally(m_replacedRepairs);
        std::printf("\n  second installation in the store's folder: check %d (first to open after an end; "
                    "repairing a journal %d), delete %d; kept the file's time %d\n",
                    m_otherChecks, m_otherRepairs, m_otherDeletes, m_otherKeptTime);
        std::printf("  synced copy: mark saves %d (marks %d, on messages deleted meanwhile %d); the file had "
                    "changed under it %d times (%d with the same size and time), seen %d times",
                    m_syncedSaves, m_syncedMarks, m_syncedMarksDropped, m_syncedChanged, m_syncedSameSizeAndTime,
                    m_syncedSeen);
        if (m_syncedUnseeable > 0)
            std::printf(" (%d changes of a file without change mark that kept its size, time and last bytes)",
                        m_syncedUnseeable);
        std::printf("\n  synced copy's compactions %d: put in place %d; the store changed while it ran %d\n",
                    m_syncedCompactions, m_syncedCompactionsPlaced, m_syncedCompactionsOverChange);
        std::printf(
            "  stores replaced before the repair %d: by the synced copy %d, by an earlier copy %d, by one with two "
            "messages in each other's places %d; of the same size %d, with the same time %d; left as they were "
            "%d; messages it lacked whose files were taken (dropped by the replacement) %d\n",
            m_replacedBySynced + m_replacedByCopy + m_replacedBySwapped, m_replacedBySynced, m_replacedByCopy,
            m_replacedBySwapped, m_replacedSameSize, m_replacedSameTime, m_leftAsIs, m_droppedByReplacement);
        std::printf("  left by killed runs (and removed):");
        tally(m_litter);
        std::printf("\n");
        std::printf("  %d passed, %d failed\n", rounds - m_failedRounds, m_failedRounds);
        return m_failedRounds == 0 ? 0 : 1;
    }

    void setInitial(int messages) { m_initial = messages; }

private:
    // The two profiles sharing one data folder, empty.
    bool makeProfiles()
    {
        QDir(m_work).removeRecursively();
        const QString repairInbox = m_repairProfile + QStringLiteral("inbox/");
        for (const QString &folder : {m_profile, m_inbox, repairInbox, m_otherProfile, m_otherInbox,
                                      QFileInfo(m_syncedStore).path(), QFileInfo(m_previousCopy).path()})
            if (!QDir().mkpath(folder))
                return false;
        writeSettings(m_profile, m_inbox);
        writeSettings(m_repairProfile, repairInbox);
        writeSettings(m_otherProfile, m_otherInbox);
        return true;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    // The round's command of the first installation, ended (see the top); `target` is the message
    // a deletion was run on. None when there is nothing left to delete.
    std::optional<Run> runKilled(std::optional<QString> &target)
    {
        Run run;
        if (m_kind == Kind::Check) {
            const int files = pick(1, kMaxNewFiles);
            deliver(files, m_inbox);
            run = runEnded({QStringLiteral("check")}, leftOverFiles(m_inbox) * 2 * averageRecord() + 1024);
        } else {
            if (m_kind == Kind::Compact && !m_blanks && m_order.size() > 1) {
                // A deletion first, so that there are blanks to give back.
                const int at = pickPosition();
                m_known[m_order[at - 1]].deleted = true;
                if (runCli({QStringLiteral("delete"), QString::number(at)}).end != End::Finished)
                    fail(QStringLiteral("the deletion before the compaction failed"));
                refreshOrder();
                m_blanks = true;
            }
            if (m_order.isEmpty())
                return std::nullopt;
            const int at = pickPosition();
            if (m_kind == Kind::Delete) {
                target = m_order[at - 1];
                m_known[*target].deleted = true;
                run = runEnded({QStringLiteral("delete"), QString::number(at)}, 3 * averageRecord() + 512);
            } else {
                run = runEnded({QStringLiteral("compact")}, -1);
            }
        }
        if (run.end == End::Failed)
            fail(QStringLiteral("corvane-cli ended with %1: %2")
                     .arg(run.exitCode)
                     .arg(QString::fromUtf8(run.errors.trimmed())));
        else
            ++m_ends[{m_kind, run.end}];
        if (run.end == End::Finished) {
            m_took[m_kind] = run.ms;
            if (m_kind != Kind::Check)
                m_blanks = m_kind == Kind::Delete;
        }
        return run;
    }

    // The second installation's writes before the first one's next run, and the copy's new marks.
    void secondInstallationWrites()
    {
        std::optional<QString> gone;
        bool wrote = false;
        if (pick(0, 5) == 0) {
            keep(m_store, QStringLiteral("before-second-installation-"));
            gone = otherDelete();
            wrote = true;
        }
        // Most often when the store kept its size since the copy read it: only the change mark tells.
        if (!m_pendingMarks.isEmpty()
            && pick(0, 3) < (QFileInfo(m_store).size() == QFileInfo(m_syncedStore).size() ? 3 : 1)) {
            keep(m_store, QStringLiteral("before-synced-marks-"));
            if (m_synced->deadBytes() > 0 && pick(0, 1) == 0)
                syncedCompact(m_store);
            syncedSave(m_store, true);
            copyInPlace(m_syncedStore, m_store, true);
            wrote = true;
        }
        if (wrote)
            verify(gone, {}, false, false, QStringLiteral(" (after the second installation wrote)"));
        if (m_pendingMarks.isEmpty() && pick(0, 2) == 0)
            syncedMark(m_store);
    }

    // A message number to delete: now and then one the synced copy has marked and not saved yet.
    int pickPosition()
    {
        if (!m_pendingMarks.isEmpty() && pick(0, 2) == 0) {
            const qsizetype at = m_order.indexOf(m_pendingMarks.value(pick(0, int(m_pendingMarks.size()) - 1)));
            if (at >= 0)
                return int(at) + 1;
        }
        return pick(1, int(m_order.size()));
    }

    void writeSettings(const QString &profile, const QString &inbox) const
    {
        platform::IniFile settings(profile + shell::kSettingsFileName);
        settings.writeString(shell::keys::settings, shell::keys::name, QStringLiteral("Bob"));
        settings.writeString(shell::keys::destination, shell::keys::myDest, inbox);
        for (const QString &key : {shell::keys::inboxData, shell::keys::addresses, shell::keys::sentData})
            settings.writeString(shell::keys::settings, key, m_profile);
    }

    qint64 averageRecord() const { return m_order.isEmpty() ? 2400 : QFile(m_store).size() / m_order.size(); }

    void deliver(int files, const QString &inbox)
    {
        for (int i = 0; i < files; ++i) {
            const QString guid = platform::newGuidText();
            const int index = m_nextIndex++;
            QFile file(inbox + QStringLiteral("Bob%1.cvm").arg(index));
            if (!file.open(QIODevice::WriteOnly) || file.write(bench::messageFile(index, kBodyCharacters, guid)) < 0)
                qFatal("could not write %s", qPrintable(file.fileName()));
            m_known.insert(guid, {index, false, false, {}});
        }
    }

    // The GUIDs of the message files in the inbox folders.
    QStringList guidsInInboxes() const
    {
        QStringList guids;
        for (const QString &inbox : {m_inbox, m_otherInbox}) {
            for (const QString &name : QDir(inbox).entryList({QStringLiteral("*.cvm")}, QDir::Files)) {
                pugi::xml_document document;
                if (document.load_file(QFile::encodeName(inbox + name).constData()))
                    guids.append(
                        QString::fromUtf8(document.document_element().child("System").attribute("GUID").value()));
            }
        }
        return guids;
    }
    static int leftOverFiles(const QString &inbox)
    {
        return int(QDir(inbox).entryList({QStringLiteral("*.cvm")}, QDir::Files).size());
    }

    Run runCli(const QStringList &arguments, const QString &profile = {}, qint64 exitAfterBytes = -1,
               qint64 killAfterUs = -1)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (exitAfterBytes >= 0)
            environment.insert(QStringLiteral("CORVANE_TEST_EXIT_AFTER_BYTES"), QString::number(exitAfterBytes));
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(m_cli, QStringList{QStringLiteral("--profile"), profile.isEmpty() ? m_profile : profile,
                                         QStringLiteral("--verbose")}
                                 + arguments);
        Run run;
        if (!process.waitForStarted()) {
            run.errors = process.errorString().toUtf8();
            return run;
        }
        if (killAfterUs >= 0) {
            QThread::usleep(quint64(killAfterUs));
            process.kill();
        }
        process.waitForFinished(-1);
        run.ms = timer.elapsed();
        run.out = process.readAllStandardOutput();
        run.errors = process.readAllStandardError();
        run.exitCode = process.exitCode();
        if (process.exitStatus() == QProcess::CrashExit)
            run.end = killAfterUs >= 0 ? End::BySignal : End::Failed;
        else if (run.exitCode == 0)
            run.end = End::Finished;
        else if (run.exitCode == 70 && exitAfterBytes >= 0)
            run.end = End::AtByte;
        return run;
    }

    // Runs the round's command, ended at a random byte below `byteRange` or (always when there is
    // no range) by SIGKILL at a random moment of the time such a run took before.
    Run runEnded(const QStringList &arguments, qint64 byteRange)
    {
        if (byteRange > 0 && pick(0, 1) == 0)
            return runCli(arguments, {}, std::uniform_int_distribution<qint64>(0, byteRange)(m_random));
        const qint64 took = m_took.count(m_kind) ? m_took[m_kind] : 0;
        if (took == 0)
            return runCli(arguments); // the first run of its kind measures the time
        return runCli(arguments, {}, -1, std::uniform_int_distribution<qint64>(0, took * 1000)(m_random));
    }

    void fail(const QString &what)
    {
        if (m_failedRound != m_round) {
            m_failedRound = m_round;
            ++m_failedRounds;
        }
        err() << "round " << m_round << " (" << nameOf(m_kind) << "): " << what << Qt::endl;
        if (m_failedRounds == 1 && !m_kept) {
            m_kept = true;
            m_keptRound = m_round;
            const QString keep = m_work + QStringLiteral("failure-%1/").arg(m_round);
            QDir().rename(m_work + QStringLiteral("before-repair"), keep);
            err() << "  the files as the round left them: " << keep << Qt::endl;
        }
    }

    // Keeps a copy of the file for the round's failure folder, under its name with a prefix.
    void keep(const QString &path, const QString &prefix = {})
    {
        if (m_kept && m_round != m_keptRound)
            return;
        const QString folder =
            m_work + (m_kept ? QStringLiteral("failure-%1/").arg(m_round) : QStringLiteral("before-repair/"));
        QDir().mkpath(folder);
        const QString copy = folder + prefix + QFileInfo(path).fileName();
        QFile::remove(copy);
        QFile::copy(path, copy);
    }

    // Whether a store's lock folder names its holder's process, in its note or in the note it was
    // placing (host, process and program lines).
    static bool namesItsHolder(const QString &lock)
    {
        for (const QString &name : QDir(lock).entryList(QDir::Files | QDir::Hidden)) {
            QFile note(lock + u'/' + name);
            // Host name, process id, program name and the machine's identity, each whole.
            if (note.open(QIODevice::ReadOnly) && note.readAll().count('\n') >= 4)
                return true;
        }
        return false;
    }

    // What a killed run leaves beside the store besides the store itself is counted and removed,
    // so that the rounds go on and the disk does not fill:
    // - a compaction's temporary file (removed by nothing else);
    // - a store's lock folder whose note names no process and machine (ended between making the
    //   folder and writing the note's identity line): nobody can tell it from a live one until it
    //   is stale, ten minutes later;
    // - a broken lock folder moved aside and not yet removed;
    // - an empty profile lock file or removal lock of it (ended between making and writing it),
    //   which names no holder and so is taken over only after a while (ten seconds, a removal
    //   lock 30);
    // - the inbox folder's lock, taken while an attachment is counted down, which the next check
    //   breaks after 30 s unchanged.
    // Journals a repair kept aside are counted by checkRepair.
    void clearLitter()
    {
        QDir profile(m_profile);
        const QString prefix = platform::temporaryFilePrefix();
        for (const QString &name : profile.entryList({prefix + QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden)) {
            ++m_litter[QStringLiteral("compaction temporary files")];
            profile.remove(name);
        }
        for (const QString &name : profile.entryList({prefix + QStringLiteral("*.lock")}, QDir::Dirs | QDir::Hidden)) {
            if (!namesItsHolder(m_profile + name)) {
                ++m_litter[QStringLiteral("store locks naming no holder")];
                QDir(m_profile + name).removeRecursively();
            }
        }
        for (const QString &name : profile.entryList({prefix + QStringLiteral("*.stale")}, QDir::Dirs | QDir::Hidden)) {
            ++m_litter[QStringLiteral("broken locks left aside")];
            QDir(m_profile + name).removeRecursively();
        }
        for (const QString &name :
             profile.entryList({shell::kProfileLockFileName + u'*'}, QDir::Files | QDir::Hidden)) {
            if (QFileInfo(m_profile + name).size() == 0) {
                ++m_litter[name == shell::kProfileLockFileName
                               ? QStringLiteral("empty profile locks")
                               : QStringLiteral("empty removal locks of the profile lock")];
                profile.remove(name);
            }
        }
        if (QDir().rmdir(platform::FolderLock::lockPathFor(m_inbox)))
            ++m_litter[QStringLiteral("inbox folder locks")];
    }

    QStringList keptJournals() const
    {
        const QString journal = QFileInfo(platform::journalPathFor(m_store)).fileName();
        return QDir(m_profile).entryList({journal + QStringLiteral("-kept-*")}, QDir::Files | QDir::Hidden);
    }

    // The repair the store's first opener after an end made of a journal the end left: logged; the
    // journal gone from its place, and kept aside exactly when the log says so (then counted and
    // removed). On the store's own file the repair must recognise its journal's change; on a file
    // put in its place it must write nothing. True when the repair wrote the store.
    bool checkRepair(const Run *opener, bool replaced)
    {
        std::optional<Repair> repair;
        if (opener)
            repair = repairLogged(opener->errors);
        if (!repair) {
            fail(QStringLiteral("a journal was left, but no repair was logged"));
        } else {
            ++(replaced ? m_replacedRepairCount : m_repairCount);
            QMap<QString, int> &outcomes = replaced ? m_replacedRepairs : m_repairs;
            ++outcomes[repair->outcome == Outcome::Unknown ? repair->text
                                                           : QString::fromUtf8(shortName(repair->outcome))];
            if (repair->outcome == Outcome::Unknown)
                fail(QStringLiteral("the repair logged what this test does not know: %1").arg(repair->text));
            if (keepsJournalAside(repair->outcome) != !repair->keptAs.isEmpty())
                fail(QStringLiteral("the repair %1 the journal aside, but said: %2")
                         .arg(repair->keptAs.isEmpty() ? QStringLiteral("did not keep") : QStringLiteral("kept"),
                              repair->text));
            if (!replaced && (repair->outcome == Outcome::Foreign || repair->outcome == Outcome::Unusable))
                fail(QStringLiteral("the repair did not recognise the file its journal was written for: %1")
                         .arg(repair->text));
            if (replaced && (repair->outcome == Outcome::Completed || repair->outcome == Outcome::RolledBack))
                fail(QStringLiteral("the repair wrote into the file put in the store's place: %1").arg(repair->text));
        }
        if (QFile::exists(platform::journalPathFor(m_store)))
            fail(QStringLiteral("the journal is still there after the repair"));
        const QStringList kept = keptJournals();
        const int expected = repair && !repair->keptAs.isEmpty() ? 1 : 0;
        if (kept.size() != expected)
            fail(QStringLiteral("%1 journals were kept aside, %2 expected").arg(kept.size()).arg(expected));
        if (expected == 1 && !QFile::exists(repair->keptAs))
            fail(QStringLiteral("the journal said to be kept as %1 is not there").arg(repair->keptAs));
        for (const QString &name : kept) {
            keep(m_profile + name);
            QFile::remove(m_profile + name);
            ++m_litter[repair && repair->outcome == Outcome::CutShort
                           ? QStringLiteral("journals cut short, kept aside")
                           : QStringLiteral("journals kept aside beside another file")];
        }
        return repair && (repair->outcome == Outcome::Completed || repair->outcome == Outcome::RolledBack);
    }

    // ---- The second installation in the store's folder -----------------------------------------

    // Its check of new files in its own inbox folder, the first to open the store after the end.
    Run otherCheck(bool journalLeft)
    {
        deliver(pick(1, kMaxOtherFiles), m_otherInbox);
        const bool keepTime = pick(0, 1) == 0;
        const QDateTime time = modifiedTime(m_store);
        const Run run = runCli({QStringLiteral("check")}, m_otherProfile);
        if (run.end != End::Finished)
            fail(QStringLiteral("the second installation's check failed: %1")
                     .arg(QString::fromUtf8(run.errors.trimmed())));
        ++m_otherChecks;
        m_otherRepairs += journalLeft ? 1 : 0;
        if (keepTime) {
            setModifiedTime(m_store, time);
            ++m_otherKeptTime;
        }
        return run;
    }

    // Its deletion of a message; returns the message, which must be gone.
    std::optional<QString> otherDelete()
    {
        if (m_order.isEmpty())
            return std::nullopt;
        const int at = pickPosition();
        const QString guid = m_order[at - 1];
        m_known[guid].deleted = true;
        const bool keepTime = pick(0, 1) == 0;
        const QDateTime time = modifiedTime(m_store);
        const Run run = runCli({QStringLiteral("delete"), QString::number(at)}, m_otherProfile);
        ++m_otherDeletes;
        m_blanks = true;
        if (run.end != End::Finished) {
            fail(QStringLiteral("the second installation's deletion failed: %1")
                     .arg(QString::fromUtf8(run.errors.trimmed())));
            return std::nullopt;
        }
        if (keepTime) {
            setModifiedTime(m_store, time);
            ++m_otherKeptTime;
        }
        return guid;
    }

    // ---- The copy on another machine ------------------------------------------------------------

    // The sync brings the file into the copy, which reads it and marks one to three unread
    // messages read, not saved yet.
    void syncedMark(const QString &from)
    {
        copyInPlace(from, m_syncedStore, true);
        try {
            m_synced->open(m_syncedStore);
            m_syncedRead = digest(m_syncedStore);
            m_syncedReadTail = tailOf(m_syncedStore);
            const int count = m_synced->count();
            for (int i = 0, marks = pick(1, 3); i < marks && count > 0; ++i) {
                const int at = pick(0, count - 1);
                if (m_synced->rowAt(at).read != receiving::kUnread)
                    continue;
                const QString guid = m_synced->shownMessage(at).guid;
                m_synced->markRead(at);
                if (!m_pendingMarks.contains(guid))
                    m_pendingMarks.append(guid);
            }
        } catch (const Error &error) {
            fail(QStringLiteral("the synced copy could not read or mark its file: %1").arg(error.message()));
        }
    }

    // The copy compacts its file, and the sync brings the store into it (keeping the copy's time)
    // after the compaction's file was written and before it takes the copy's place: it must not
    // take it when the store had changed since the copy read it.
    void syncedCompact(const QString &from)
    {
        keep(m_syncedStore, QStringLiteral("synced-copy-before-compaction-"));
        bool finished = false;
        bool placed = false;
        const QMetaObject::Connection connection = QObject::connect(
            m_synced.get(), &receiving::InboxStore::compactionFinished, m_synced.get(), [&](bool done) {
                finished = true;
                placed = done;
            });
        if (!m_synced->startCompaction()) {
            QObject::disconnect(connection);
            return;
        }
        m_synced->waitForCompactionCopy();
        const bool sameSize = QFileInfo(from).size() == QFileInfo(m_syncedStore).size();
        copyInPlace(from, m_syncedStore, true);
        const bool changed = digest(m_syncedStore) != m_syncedRead;
        const bool unseeable =
            sameSize && tailOf(m_syncedStore) == m_syncedReadTail && !m_syncedReadTail.contains("<!--corvane-change ");
        QDeadlineTimer deadline(std::chrono::minutes(1));
        while (!finished && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QObject::disconnect(connection);
        ++m_syncedCompactions;
        if (!finished) {
            fail(QStringLiteral("the synced copy's compaction did not end"));
            return;
        }
        m_syncedCompactionsPlaced += placed ? 1 : 0;
        if (changed) {
            ++m_syncedCompactionsOverChange;
            if (placed && !unseeable)
                fail(QStringLiteral(
                         "the synced copy's compaction took the place of a file changed since it read it (%1)")
                         .arg(sameSize ? QStringLiteral("same size and time") : QStringLiteral("another size")));
        }
        if (placed) {
            m_syncedRead = digest(m_syncedStore);
            m_syncedReadTail = tailOf(m_syncedStore);
        }
    }

    // The sync brings the file into the copy (keeping the copy's time), then the copy saves its
    // marks: it must see the change when there was one. With `taken`, the marks count as the
    // store's, where their messages are still there.
    void syncedSave(const QString &from, bool taken)
    {
        const bool sameSize = QFileInfo(from).size() == QFileInfo(m_syncedStore).size();
        keep(m_syncedStore, QStringLiteral("synced-copy-as-read-"));
        copyInPlace(from, m_syncedStore, true);
        const bool changed = digest(m_syncedStore) != m_syncedRead;
        // A file without a change mark (made or last written by an older copy) is seen to change
        // only by its size, time and last bytes.
        const bool unseeable =
            sameSize && tailOf(m_syncedStore) == m_syncedReadTail && !m_syncedReadTail.contains("<!--corvane-change ");
        const bool marks = m_synced->readMarksUnsaved();
        logged().clear();
        try {
            m_synced->saveReadMarks();
        } catch (const Error &error) {
            fail(QStringLiteral("the synced copy could not save its read marks: %1").arg(error.message()));
        }
        const bool seen = logged().join(u'\n').contains(QStringLiteral("changed on disk"));
        ++m_syncedSaves;
        if (changed && marks) {
            ++m_syncedChanged;
            m_syncedSameSizeAndTime += sameSize ? 1 : 0;
            m_syncedSeen += seen ? 1 : 0;
            m_syncedUnseeable += unseeable ? 1 : 0;
            if (!seen && !unseeable)
                fail(QStringLiteral("the synced copy saved its marks over a file changed since it read it, without "
                                    "reading it again (%1)")
                         .arg(sameSize ? QStringLiteral("same size and time") : QStringLiteral("another size")));
        }
        for (const QString &guid : std::as_const(m_pendingMarks)) {
            const bool there = m_synced->knownMessageGuids().contains(guid);
            if (taken && there)
                m_known[guid].read = true;
            ++(there ? m_syncedMarks : m_syncedMarksDropped);
        }
        m_pendingMarks.clear();
        m_syncedRead = digest(m_syncedStore);
        m_syncedReadTail = tailOf(m_syncedStore);
    }

    // ---- Another file in the store's place ------------------------------------------------------

    // Puts another file in the store's place, keeping the ended file's time half the time: the
    // synced copy's file (brought up to the store as it was before the round, with new marks), an
    // earlier copy of the store, or the store as it was before the round with two messages of the
    // same length in each other's places (another installation's store of the same size, whose
    // messages lie at other places: the round's target among them when it has one). Returns the
    // path of a copy of the file put there.
    QString replaceStore(const std::optional<QString> &target)
    {
        const QString replacing = m_work + QStringLiteral("put-in-its-place.cvi");
        QFile::remove(replacing);
        // After a deletion, most often the store whose messages lie at other places: the file whose
        // message at the journal's place is another one.
        const int variant = m_kind == Kind::Delete && pick(0, 1) == 0 ? 2 : pick(0, 2);
        switch (variant) {
        case 0:
            if (m_pendingMarks.isEmpty())
                syncedMark(m_previousCopy);
            syncedSave(m_previousCopy, false);
            QFile::copy(m_syncedStore, replacing);
            ++m_replacedBySynced;
            break;
        case 1:
            QFile::copy(QFile::exists(m_olderCopy) && pick(0, 1) == 0 ? m_olderCopy : m_previousCopy, replacing);
            ++m_replacedByCopy;
            break;
        default:
            writeSwapped(replacing, target);
            ++m_replacedBySwapped;
            break;
        }
        m_replacedSameSize += QFileInfo(replacing).size() == QFileInfo(m_store).size() ? 1 : 0;
        const bool keepTime = pick(0, 1) == 0;
        m_replacedSameTime += keepTime ? 1 : 0;
        copyInPlace(replacing, m_store, keepTime);
        keep(replacing);
        return replacing;
    }

    // Where the message element that begins at or before an offset lies: from "<Message " to after
    // its "</Message>".
    static std::optional<std::pair<qsizetype, qsizetype>> messageAround(const QByteArray &bytes, qsizetype at)
    {
        const qsizetype begin = at < 0 ? -1 : bytes.lastIndexOf("<Message ", at);
        const qsizetype close = begin < 0 ? -1 : bytes.indexOf("</Message>", begin);
        if (close < 0)
            return std::nullopt;
        return std::pair{begin, close + qsizetype(sizeof("</Message>") - 1)};
    }

    // The copy of the store before the round, with a message (the target, or one at random) and
    // the next or the one before of the same length in each other's places: the file keeps its
    // size. Its change mark, when it has one, gets another random number, as the other
    // installation's last write drew one. The copy as it is when no such pair is found.
    void writeSwapped(const QString &path, const std::optional<QString> &target)
    {
        QByteArray bytes = platform::readWholeFile(m_previousCopy);
        const QByteArray markLead = "<!--corvane-change ";
        const qsizetype mark = bytes.lastIndexOf(markLead);
        const qsizetype random = mark + markLead.size() + 17; // after the count and a blank
        for (int attempt = 0; attempt < 8 && !m_order.isEmpty(); ++attempt) {
            const QString guid = attempt == 0 && target ? *target : m_order.value(pick(0, int(m_order.size()) - 1));
            const auto one = messageAround(bytes, bytes.indexOf(QByteArray("GUID=\"" + guid.toUtf8() + '"')));
            if (!one)
                continue;
            const qsizetype length = one->second - one->first;
            const qsizetype nextBegin = bytes.indexOf("<Message ", one->second);
            const auto next = messageAround(bytes, nextBegin < 0 ? -1 : nextBegin);
            const auto previous = messageAround(bytes, one->first - 1);
            std::optional<std::pair<qsizetype, qsizetype>> other;
            if (next && next->first >= one->second && next->second - next->first == length)
                other = next;
            else if (previous && previous->second <= one->first && previous->second - previous->first == length)
                other = previous;
            if (!other)
                continue;
            const auto [first, second] = std::minmax(*one, *other);
            bytes = bytes.left(first.first) + bytes.mid(second.first, length)
                    + bytes.mid(first.second, second.first - first.second) + bytes.mid(first.first, length)
                    + bytes.mid(second.second);
            const QByteArray drawn = QByteArray::number(m_random(), 16).rightJustified(8, '0')
                                     + QByteArray::number(m_random(), 16).rightJustified(8, '0');
            if (mark >= 0)
                bytes.replace(random, drawn.size(), drawn);
            break;
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("could not write %s", qPrintable(path));
    }

    // The messages of a store file in their order: GUID, read mark and fingerprint.
    static QStringList messagesIn(const QString &path)
    {
        QStringList messages;
        pugi::xml_document document;
        document.load_file(QFile::encodeName(path).constData(), pugi::parse_default);
        for (pugi::xml_node m = document.document_element().child("Messages").child("Message"); m;
             m = m.next_sibling("Message"))
            messages.append(QString::fromUtf8(QByteArray(m.attribute("GUID").value()) + ' '
                                              + m.attribute("Read").value() + ' ' + fingerprint(m).toHex()));
        return messages;
    }

    // The file put in the store's place is still there as it was (or only compacted, when the
    // opener found a compaction due); what only the store before held (and no inbox folder does)
    // went with it, and the read marks are those of the file.
    void checkLeftAsIs(const QString &replacing, const Run *opener)
    {
        const bool compacted = opener && opener->errors.contains(" compacted to ");
        if (digest(m_store) != digest(replacing) && (!compacted || messagesIn(m_store) != messagesIn(replacing))) {
            fail(QStringLiteral("the repair changed the file put in the store's place (%1 bytes, now %2)")
                     .arg(QFileInfo(replacing).size())
                     .arg(QFileInfo(m_store).size()));
            return;
        }
        ++m_leftAsIs;
        pugi::xml_document document;
        if (!document.load_file(QFile::encodeName(m_store).constData(), pugi::parse_default))
            return; // verify says so
        QHash<QString, bool> read;
        for (pugi::xml_node m = document.document_element().child("Messages").child("Message"); m;
             m = m.next_sibling("Message"))
            read.insert(QString::fromUtf8(m.attribute("GUID").value()),
                        QByteArray(m.attribute("Read").value()) == "Read");
        const QStringList files = guidsInInboxes();
        for (auto it = m_known.begin(); it != m_known.end(); ++it) {
            if (read.contains(it.key())) {
                it->read = read.value(it.key());
            } else if (!it->deleted && !files.contains(it.key())) {
                it->deleted = true;
                ++m_droppedByReplacement;
            }
        }
        m_blanks = true;
    }

    // The copies of the store an end may be replaced by: as it was after the last round, and as
    // it was some rounds before.
    void takeCopies()
    {
        if (m_round % kOlderCopyEvery == 0 && QFile::exists(m_previousCopy)) {
            QFile::remove(m_olderCopy);
            QFile::rename(m_previousCopy, m_olderCopy);
        }
        QFile::remove(m_previousCopy);
        if (!QFile::copy(m_store, m_previousCopy))
            qFatal("could not copy %s", qPrintable(m_store));
    }

    // ---- Checks --------------------------------------------------------------------------------

    // The store as it stands, checked (see the top). `gone`: a message a finished deletion
    // removed. `mustBeEmpty`: inbox folders a finished check emptied. `repaired`, `mended`: a
    // repair looked at it, wrote it. After the second installation's writes (`when` says so) it is
    // only parsed here: the next round's checks list it.
    bool verify(const std::optional<QString> &gone, const QStringList &mustBeEmpty, bool repaired, bool mended = false,
                const QString &when = {})
    {
        const int failedBefore = m_failedRounds;
        const auto failWhen = [&](const QString &what) { fail(what + when); };
        const bool after = !when.isEmpty();
        // The tool lists every store a repair looked at and one in four others; a second parser
        // reads every store a repair wrote to and one in ten others.
        std::optional<Run> list;
        if (repaired || (!after && m_round % 4 == 0)) {
            list = runCli({QStringLiteral("list")});
            if (list->end != End::Finished)
                failWhen(QStringLiteral("list failed: %1").arg(QString::fromUtf8(list->errors.trimmed())));
        }
        if (!m_xmllint.isEmpty() && (mended || (!after && m_round % 10 == 0))
            && QProcess::execute(m_xmllint, {QStringLiteral("--noout"), QStringLiteral("--huge"), m_store}) != 0)
            failWhen(QStringLiteral("xmllint finds the store malformed"));

        pugi::xml_document document;
        const pugi::xml_parse_result parsed =
            document.load_file(QFile::encodeName(m_store).constData(), pugi::parse_default);
        if (!parsed) {
            failWhen(QStringLiteral("the store does not parse: %1 at byte %2")
                         .arg(QString::fromUtf8(parsed.description()))
                         .arg(parsed.offset));
            return false;
        }
        refreshOrder(document);
        if (list && list->end == End::Finished && list->out.count('\n') != m_order.size())
            failWhen(QStringLiteral("list shows %1 messages, the store holds %2")
                         .arg(list->out.count('\n'))
                         .arg(m_order.size()));

        QHash<QString, int> times;
        for (pugi::xml_node node : document.document_element().child("Messages").children()) {
            if (node.type() != pugi::node_element || QByteArray(node.name()) != "Message") {
                failWhen(QStringLiteral("the list holds something else than messages: %1")
                             .arg(QString::fromUtf8(
                                 QByteArray(node.type() == pugi::node_element ? node.name() : node.value()).left(80))));
                continue;
            }
            const QString guid = QString::fromUtf8(node.attribute("GUID").value());
            ++times[guid];
            const auto known = m_known.find(guid);
            if (known == m_known.end()) {
                failWhen(QStringLiteral("the store holds a message never delivered: %1").arg(guid));
                continue;
            }
            const QByteArray read = node.attribute("Read").value();
            if (read != (known->read ? "Read" : "Unread"))
                failWhen(QStringLiteral("message %1 (number %2) is marked %3")
                             .arg(guid)
                             .arg(known->index)
                             .arg(QString::fromUtf8(read)));
            node.remove_attribute("Read");
            const QByteArray print = fingerprint(node);
            if (known->print.isEmpty()) {
                if (QString::fromUtf8(node.child("Subject").attribute("Text").value())
                    != QStringLiteral("Subject number %1").arg(known->index))
                    failWhen(QStringLiteral("message %1 has another subject").arg(guid));
                known->print = print;
            } else if (known->print != print) {
                failWhen(QStringLiteral("message %1 changed").arg(guid));
            }
        }
        for (const QString &inbox : mustBeEmpty)
            if (const int left = leftOverFiles(inbox); left > 0)
                failWhen(QStringLiteral("a finished check left %1 message files in %2").arg(left).arg(inbox));
        const QStringList files = guidsInInboxes();
        for (auto it = m_known.cbegin(); it != m_known.cend(); ++it) {
            const int stored = times.value(it.key());
            if (stored > 1)
                failWhen(QStringLiteral("message %1 is in the store %2 times").arg(it.key()).arg(stored));
            if (stored == 0 && !it->deleted && !files.contains(it.key()))
                failWhen(QStringLiteral("message %1 (number %2) is lost").arg(it.key()).arg(it->index));
        }
        if (gone && times.contains(*gone))
            failWhen(QStringLiteral("a finished deletion left message %1").arg(*gone));
        return m_failedRounds == failedBefore;
    }

    void refreshOrder(const pugi::xml_document &document)
    {
        m_order.clear();
        for (pugi::xml_node m = document.document_element().child("Messages").child("Message"); m;
             m = m.next_sibling("Message"))
            m_order.append(QString::fromUtf8(m.attribute("GUID").value()));
    }
    void refreshOrder()
    {
        pugi::xml_document document;
        document.load_file(QFile::encodeName(m_store).constData(), pugi::parse_default);
        refreshOrder(document);
    }

    QString m_cli;
    QString m_work;
    QString m_profile;
    QString m_inbox;
    QString m_repairProfile;
    QString m_otherProfile;
    QString m_otherInbox;
    QString m_store;
    QString m_syncedStore;
    QString m_previousCopy;
    QString m_olderCopy;
    QString m_xmllint;
    std::mt19937 m_random;
    int m_initial = 0;
    int m_nextIndex = 0;
    int m_round = 0;
    Kind m_kind = Kind::Check;
    QHash<QString, Known> m_known;
    QStringList m_order; // the GUIDs in store order, as last read
    std::map<Kind, qint64> m_took;
    std::map<std::pair<Kind, End>, int> m_ends;
    QMap<QString, int> m_repairs;
    int m_repairCount = 0;
    QMap<QString, int> m_replacedRepairs;
    int m_replacedRepairCount = 0;
    QMap<QString, int> m_litter;
    bool m_blanks = false; // a deletion left blanks since the last compaction

    int m_otherChecks = 0;
    int m_otherRepairs = 0;
    int m_otherDeletes = 0;
    int m_otherKeptTime = 0;

    std::unique_ptr<receiving::InboxStore> m_synced; // the other machine's store, on its copy
    QStringList m_pendingMarks;                      // GUIDs it marked read and did not save yet
    QByteArray m_syncedRead;                         // the digest of its file as it last read or wrote it
    QByteArray m_syncedReadTail;                     // and the file's last bytes then
    int m_syncedSaves = 0;
    int m_syncedMarks = 0;
    int m_syncedMarksDropped = 0;
    int m_syncedChanged = 0;
    int m_syncedSameSizeAndTime = 0;
    int m_syncedSeen = 0;
    int m_syncedUnseeable = 0;
    int m_syncedCompactions = 0;
    int m_syncedCompactionsPlaced = 0;
    int m_syncedCompactionsOverChange = 0;

    int m_replacedBySynced = 0;
    int m_replacedByCopy = 0;
    int m_replacedBySwapped = 0;
    int m_replacedSameSize = 0;
    int m_replacedSameTime = 0;
    int m_leftAsIs = 0;
    int m_droppedByReplacement = 0;

    int m_failedRounds = 0;
    int m_failedRound = -1;
    bool m_kept = false;
    int m_keptRound = -1;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    bool messagesOk = false;
    bool roundsOk = false;
    const int messages = args.value(2).toInt(&messagesOk);
    const int rounds = args.value(3).toInt(&roundsOk);
    if (args.size() < 4 || !messagesOk || !roundsOk || messages < 1 || rounds < 0) {
        err() << "usage: store_crash CORVANE_CLI WORK_FOLDER MESSAGES ROUNDS [--seed N]" << Qt::endl;
        return 2;
    }
    const qsizetype seedAt = args.indexOf(QStringLiteral("--seed"));
    const quint32 seed = seedAt > 0 ? args.value(seedAt + 1).toUInt() : std::random_device{}();
    std::printf("store crash: seed %u\n", seed);
    std::fflush(stdout);
    // The synced copy's store says when it reads its file again before a save.
    QLoggingCategory::setFilterRules(QStringLiteral("corvane.platform.info=true"));
    qInstallMessageHandler(keepLogged);

    CrashTest test(args.at(0), args.at(1), seed);
    test.setInitial(messages);
    QElapsedTimer timer;
    timer.start();
    if (!test.prepare(messages))
        return 1;
    for (int round = 1; round <= rounds; ++round)
        test.round(round);
    const int status = test.summary(rounds, timer.elapsed());
    if (status == 0)
        QDir(args.at(1)).removeRecursively();
    return status;
}
