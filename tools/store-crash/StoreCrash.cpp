// Crash test of the inbox store's writes: corvane-cli is ended abruptly, over and over, while it
// takes new mail into a large store, deletes a message or compacts the store; after each end the
// store is mended when the end left a journal, and checked:
// - it parses with a plain XML parser (and with xmllint, when installed), and corvane-cli lists
//   as many messages as that parser finds;
// - every message ever delivered is in the store or still a file in the inbox folder, none is in
//   the store twice, and every message in the store is byte for byte what it was when first seen
//   (a deleted one may be gone or still there, never damaged);
// - a journal left by the end was used and the repair logged, and no journal is left after it;
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
// The store is mended by `corvane-cli --verbose check` on a second profile that shares the first
// one's data folder but has an empty inbox folder: the real program opens the store for writing,
// repairs it, breaks the lock folders the ended process left, and writes nothing else. The store
// and journal as the end left them are kept in WORK_FOLDER/failure-ROUND/ for the first round that
// fails; the work folder is removed when every round passed.
#include "mail/MailFixtures.h"

#include "platform/FileIo.h"
#include "platform/FolderLock.h"
#include "platform/IniFile.h"
#include "platform/JournaledWrite.h"
#include "receiving/InboxStore.h"
#include "shell/ProfileLock.h"
#include "shell/Settings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>

#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <random>

using namespace corvane;

namespace {

// Bodies of this size make stored messages of 2.3 KB.
constexpr int kBodyCharacters = 2000;
constexpr int kMaxNewFiles = 50;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
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

// What is known of a message ever delivered.
struct Known
{
    int index = 0;        // its subject is "Subject number <index>"
    bool deleted = false; // a deletion was started on it: it may be gone
    QByteArray print;     // the fingerprint of its element as first seen in the store
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

class CrashTest
{
public:
    CrashTest(QString cli, const QString &work, quint32 seed)
        : m_cli(std::move(cli)), m_work(QDir(work).absolutePath() + u'/'), m_random(seed)
    {
        m_profile = m_work + QStringLiteral("profile/");
        m_inbox = m_work + QStringLiteral("inbox/");
        m_repairProfile = m_work + QStringLiteral("repair/");
        m_store = receiving::InboxStore::pathIn(m_profile);
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
            m_known.insert(guid, {m_nextIndex++, false, {}});
        return verify(0, Kind::Check, std::nullopt);
    }

    void round(int number)
    {
        const Kind kind = Kind(pick(0, 2));
        std::optional<QString> target;
        Run run;
        if (kind == Kind::Check) {
            const int files = pick(1, kMaxNewFiles);
            deliver(files);
            run = runEnded(kind, {QStringLiteral("check")}, leftOverFiles() * 2 * averageRecord() + 1024);
        } else {
            if (kind == Kind::Compact && !m_blanks && m_order.size() > 1) {
                // A deletion first, so that there are blanks to give back.
                const int at = pick(1, int(m_order.size()));
                m_known[m_order[at - 1]].deleted = true;
                if (runCli({QStringLiteral("delete"), QString::number(at)}).end != End::Finished)
                    fail(number, kind, QStringLiteral("the deletion before the compaction failed"));
                refreshOrder();
                m_blanks = true;
            }
            if (m_order.isEmpty())
                return;
            const int at = pick(1, int(m_order.size()));
            target = m_order[at - 1];
            if (kind == Kind::Delete) {
                m_known[*target].deleted = true;
                run = runEnded(kind, {QStringLiteral("delete"), QString::number(at)}, 3 * averageRecord() + 512);
            } else {
                target.reset();
                run = runEnded(kind, {QStringLiteral("compact")}, -1);
            }
        }
        if (run.end == End::Failed)
            fail(number, kind,
                 QStringLiteral("corvane-cli ended with %1: %2")
                     .arg(run.exitCode)
                     .arg(QString::fromUtf8(run.errors.trimmed())));
        else
            ++m_ends[{kind, run.end}];
        if (run.end == End::Finished)
            m_took[kind] = run.ms;
        if (kind != Kind::Check && run.end == End::Finished)
            m_blanks = kind == Kind::Delete;
        verify(number, kind, run.end == End::Finished ? target : std::nullopt,
               run.end == End::Finished && kind == Kind::Check);
    }

    int summary(int rounds, qint64 ms) const
    {
        const auto ends = [&](Kind kind, End end) { return m_ends.count({kind, end}) ? m_ends.at({kind, end}) : 0; };
        int kills = 0;
        for (const auto &[key, count] : m_ends)
            kills += key.second == End::Finished ? 0 : count;
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
        for (auto it = m_repairs.constBegin(); it != m_repairs.constEnd(); ++it)
            std::printf(" %s %d;", qUtf8Printable(it.key()), it.value());
        std::printf("\n  left by killed runs (and removed):");
        for (const auto &[what, count] : m_litter)
            std::printf(" %s %d;", what, count);
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
        for (const QString &folder : {m_profile, m_inbox, repairInbox})
            if (!QDir().mkpath(folder))
                return false;
        writeSettings(m_profile, m_inbox);
        writeSettings(m_repairProfile, repairInbox);
        return true;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    void writeSettings(const QString &profile, const QString &inbox) const
    {
        platform::IniFile settings(profile + shell::kSettingsFileName);
        settings.writeString(shell::keys::settings, shell::keys::name, QStringLiteral("Bob"));
        settings.writeString(shell::keys::destination, shell::keys::myDest, inbox);
        for (const QString &key : {shell::keys::inboxData, shell::keys::addresses, shell::keys::sentData})
            settings.writeString(shell::keys::settings, key, m_profile);
    }

    qint64 averageRecord() const { return m_order.isEmpty() ? 2400 : QFile(m_store).size() / m_order.size(); }

    void deliver(int files)
    {
        for (int i = 0; i < files; ++i) {
            const QString guid = platform::newGuidText();
            const int index = m_nextIndex++;
            QFile file(m_inbox + QStringLiteral("Bob%1.cvm").arg(index));
            if (!file.open(QIODevice::WriteOnly) || file.write(bench::messageFile(index, kBodyCharacters, guid)) < 0)
                qFatal("could not write %s", qPrintable(file.fileName()));
            m_known.insert(guid, {index, false, {}});
        }
    }

    // The GUIDs of the message files in the inbox folder.
    QStringList guidsInInbox() const
    {
        QStringList guids;
        for (const QString &name : QDir(m_inbox).entryList({QStringLiteral("*.cvm")}, QDir::Files)) {
            pugi::xml_document document;
            if (document.load_file(QFile::encodeName(m_inbox + name).constData()))
                guids.append(QString::fromUtf8(document.document_element().child("System").attribute("GUID").value()));
        }
        return guids;
    }
    int leftOverFiles() const { return int(QDir(m_inbox).entryList({QStringLiteral("*.cvm")}, QDir::Files).size()); }

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

    // Runs the command, ended at a random byte below `byteRange` or (always when there is no
    // range) by SIGKILL at a random moment of the time such a run took before.
    Run runEnded(Kind kind, const QStringList &arguments, qint64 byteRange)
    {
        if (byteRange > 0 && pick(0, 1) == 0)
            return runCli(arguments, {}, std::uniform_int_distribution<qint64>(0, byteRange)(m_random));
        const qint64 took = m_took.count(kind) ? m_took[kind] : 0;
        if (took == 0)
            return runCli(arguments); // the first run of its kind measures the time
        return runCli(arguments, {}, -1, std::uniform_int_distribution<qint64>(0, took * 1000)(m_random));
    }

    void fail(int round, Kind kind, const QString &what)
    {
        if (m_failedRound != round) {
            m_failedRound = round;
            ++m_failedRounds;
        }
        err() << "round " << round << " (" << nameOf(kind) << "): " << what << Qt::endl;
        if (m_failedRounds == 1 && !m_kept) {
            m_kept = true;
            const QString keep = m_work + QStringLiteral("failure-%1/").arg(round);
            QDir().rename(m_work + QStringLiteral("before-repair"), keep);
            err() << "  the store and journal as the end left them: " << keep << Qt::endl;
        }
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
    void clearLitter()
    {
        QDir profile(m_profile);
        const QString prefix = platform::temporaryFilePrefix();
        for (const QString &name : profile.entryList({prefix + QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden)) {
            ++m_litter["compaction temporary files"];
            profile.remove(name);
        }
        for (const QString &name : profile.entryList({prefix + QStringLiteral("*.lock")}, QDir::Dirs | QDir::Hidden)) {
            if (!namesItsHolder(m_profile + name)) {
                ++m_litter["store locks naming no holder"];
                QDir(m_profile + name).removeRecursively();
            }
        }
        for (const QString &name : profile.entryList({prefix + QStringLiteral("*.stale")}, QDir::Dirs | QDir::Hidden)) {
            ++m_litter["broken locks left aside"];
            QDir(m_profile + name).removeRecursively();
        }
        for (const QString &name :
             profile.entryList({shell::kProfileLockFileName + u'*'}, QDir::Files | QDir::Hidden)) {
            if (QFileInfo(m_profile + name).size() == 0) {
                ++m_litter[name == shell::kProfileLockFileName ? "empty profile locks"
                                                               : "empty removal locks of the profile lock"];
                profile.remove(name);
            }
        }
        if (QDir().rmdir(platform::FolderLock::lockPathFor(m_inbox)))
            ++m_litter["inbox folder locks"];
    }

    // The store after an end: repaired by an open for writing when a journal is left, then
    // checked. `gone`: a message
    // a finished deletion removed. `allTaken`: a check finished, so the inbox folder is empty.
    bool verify(int round, Kind kind, const std::optional<QString> &gone, bool allTaken = false)
    {
        const int failedBefore = m_failedRounds;
        const QString journal = platform::journalPathFor(m_store);
        const bool journalLeft = QFile::exists(journal);
        const QString before = m_work + QStringLiteral("before-repair/");
        QDir(before).removeRecursively();
        if (journalLeft && !m_kept) {
            QDir().mkpath(before);
            QFile::copy(m_store, before + QFileInfo(m_store).fileName());
            QFile::copy(journal, before + QFileInfo(journal).fileName());
        }
        clearLitter();

        // Without a journal an open for writing has nothing to mend: the next round's command
        // opens the store as it is.
        bool mended = false;
        if (journalLeft) {
            const Run repair = runCli({QStringLiteral("check")}, m_repairProfile);
            if (repair.end != End::Finished)
                fail(round, kind,
                     QStringLiteral("the open for writing failed: %1").arg(QString::fromUtf8(repair.errors.trimmed())));
            const qsizetype logged = repair.errors.indexOf("Repair of ");
            if (logged < 0) {
                fail(round, kind, QStringLiteral("a journal was left, but no repair was logged"));
            } else {
                ++m_repairCount;
                const QByteArray line = repair.errors.mid(logged).split('\n').first();
                const QString outcome = QString::fromUtf8(line.mid(line.lastIndexOf(": ") + 2));
                ++m_repairs[outcome];
                mended = outcome.startsWith(QStringLiteral("completed")) || outcome.startsWith(QStringLiteral("undid"));
            }
            if (QFile::exists(journal))
                fail(round, kind, QStringLiteral("the journal is still there after the repair"));
        }

        // The tool lists every store a repair looked at and one in four others; a second parser
        // reads every store a repair wrote to and one in ten others.
        std::optional<Run> list;
        if (journalLeft || round % 4 == 0) {
            list = runCli({QStringLiteral("list")});
            if (list->end != End::Finished)
                fail(round, kind, QStringLiteral("list failed: %1").arg(QString::fromUtf8(list->errors.trimmed())));
        }
        if (!m_xmllint.isEmpty() && (mended || round % 10 == 0)
            && QProcess::execute(m_xmllint, {QStringLiteral("--noout"), QStringLiteral("--huge"), m_store}) != 0)
            fail(round, kind, QStringLiteral("xmllint finds the store malformed"));

        pugi::xml_document document;
        const pugi::xml_parse_result parsed =
            document.load_file(QFile::encodeName(m_store).constData(), pugi::parse_default);
        if (!parsed) {
            fail(round, kind,
                 QStringLiteral("the store does not parse: %1 at byte %2")
                     .arg(QString::fromUtf8(parsed.description()))
                     .arg(parsed.offset));
            return false;
        }
        refreshOrder(document);
        if (list && list->end == End::Finished && list->out.count('\n') != m_order.size())
            fail(round, kind,
                 QStringLiteral("list shows %1 messages, the store holds %2")
                     .arg(list->out.count('\n'))
                     .arg(m_order.size()));

        QHash<QString, int> times;
        pugi::xml_node message = document.document_element().child("Messages").child("Message");
        for (; message; message = message.next_sibling("Message")) {
            const QString guid = QString::fromUtf8(message.attribute("GUID").value());
            ++times[guid];
            const auto known = m_known.find(guid);
            if (known == m_known.end()) {
                fail(round, kind, QStringLiteral("the store holds a message never delivered: %1").arg(guid));
                continue;
            }
            const QByteArray print = fingerprint(message);
            if (known->print.isEmpty()) {
                if (QString::fromUtf8(message.child("Subject").attribute("Text").value())
                    != QStringLiteral("Subject number %1").arg(known->index))
                    fail(round, kind, QStringLiteral("message %1 has another subject").arg(guid));
                known->print = print;
            } else if (known->print != print) {
                fail(round, kind, QStringLiteral("message %1 changed").arg(guid));
            }
        }
        const QStringList files = guidsInInbox();
        if (allTaken && !files.isEmpty())
            fail(round, kind, QStringLiteral("a finished check left %1 message files").arg(files.size()));
        for (auto it = m_known.cbegin(); it != m_known.cend(); ++it) {
            const int stored = times.value(it.key());
            if (stored > 1)
                fail(round, kind, QStringLiteral("message %1 is in the store %2 times").arg(it.key()).arg(stored));
            if (stored == 0 && !it->deleted && !files.contains(it.key()))
                fail(round, kind, QStringLiteral("message %1 (number %2) is lost").arg(it.key()).arg(it->index));
        }
        if (gone && times.contains(*gone))
            fail(round, kind, QStringLiteral("a finished deletion left message %1").arg(*gone));
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
    QString m_store;
    QString m_xmllint;
    std::mt19937 m_random;
    int m_initial = 0;
    int m_nextIndex = 0;
    QHash<QString, Known> m_known;
    QStringList m_order; // the GUIDs in store order, as last read
    std::map<Kind, qint64> m_took;
    std::map<std::pair<Kind, End>, int> m_ends;
    QMap<QString, int> m_repairs;
    int m_repairCount = 0;
    std::map<const char *, int> m_litter;
    bool m_blanks = false; // a deletion left blanks since the last compaction
    int m_failedRounds = 0;
    int m_failedRound = -1;
    bool m_kept = false;
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
