// A record store shared by two installations (two store objects, or two processes, on one file),
// the repair of a write cut off, and writes that fail part-way: nothing is lost, nothing torn, and
// a repair never acts on a file its journal was not written for.
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/JournaledWrite.h"
#include "platform/StoreChangeMark.h"

#include "SubjectStore.h"
#include "support/EventWait.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#endif

namespace {

using namespace corvane;
using namespace corvane::test;

QByteArray body(int characters)
{
    return "{\\rtf1 " + QByteArray(characters, 'x') + '}';
}

// Forty messages of some 300 bytes: a change near the start lies far before the file's last 4 KB.
QList<QByteArray> forty()
{
    QList<QByteArray> messages;
    for (int i = 0; i < 40; ++i)
        messages.append(message(QByteArray::number(i), body(200)));
    return messages;
}

// The file's modification time, put back after another installation wrote it: shares and sync
// tools with coarse times keep it over a change.
class KeptTime
{
public:
    explicit KeptTime(const QString &path) : m_path(path), m_time(QFileInfo(path).lastModified()) {}
    void restore() const
    {
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(m_time, QFileDevice::FileModificationTime));
    }

private:
    QString m_path;
    QDateTime m_time;
};

// Whether the list holds nothing but its messages and blanks between them.
bool onlyMessagesInTheList(const QString &path)
{
    pugi::xml_document document;
    if (!document.load_file(QFile::encodeName(path).constData(), pugi::parse_default | pugi::parse_ws_pcdata))
        return false;
    for (pugi::xml_node child : document.child("Inbox").child("Messages").children()) {
        if (child.type() == pugi::node_pcdata && !QByteArray(child.value()).trimmed().isEmpty())
            return false;
    }
    return true;
}

QStringList keptJournals(const TempFolder &temp)
{
    return QDir(temp.path()).entryList({u"~corvane-InBox.cvi.journal-kept-*"_s}, QDir::Files);
}

using StoreIntegrityTest = RecordStoreTest;

// ---- Two installations on one file ---------------------------------------------------------------

// Another installation's deletion or read mark keeps the file's size, and with coarse times its
// time; made far before the file's end it keeps the last bytes too. It is still seen before this
// store writes: no mark lands in the blanks of a deleted message, no compaction brings it back or
// drops the other's mark.
TEST_F(StoreIntegrityTest, ChangesThatKeepSizeAndTimeAreSeenBeforeTheNextWrite)
{
    struct Case
    {
        const char *name;
        std::function<void(SubjectStore &mine)> mineFirst; // a change that waits for the save
        std::function<void(SubjectStore &other)> otherWrites;
        std::function<void(SubjectStore &mine)> thenMine;
        Texts expectedStart; // the first subjects of the file afterwards
    };
    const Case cases[] = {
        {"this one marks, the other deletes that message",
         [](SubjectStore &mine) { mine.mark(0, "Read"); },
         [](SubjectStore &other) { other.removeRecord(0); },
         [](SubjectStore &mine) { mine.save(); },
         {"1/Unread", "2/Unread"}},
        {"the other marks, this one marks another",
         [](SubjectStore &) {},
         [](SubjectStore &other) { other.mark(0, "Read"); other.save(); },
         [](SubjectStore &mine) { mine.mark(1, "Read"); mine.save(); },
         {"0/Read", "1/Read"}},
        {"the other deletes, this one deletes another",
         [](SubjectStore &) {},
         [](SubjectStore &other) { other.removeRecord(0); },
         [](SubjectStore &mine) { mine.removeRecord(2); },
         {"1/Unread", "3/Unread"}},
        {"this one marks, the other marks and deletes others",
         [](SubjectStore &mine) { mine.mark(3, "Read"); },
         [](SubjectStore &other) { other.mark(1, "Read"); other.removeRecord(2); },
         [](SubjectStore &mine) { mine.save(); },
         {"0/Unread", "1/Read", "3/Read"}},
    };
    for (const Case &c : cases) {
        write(forty());
        SubjectStore mine, other;
        mine.setCompactionShare(2.0);
        other.setCompactionShare(2.0);
        mine.open(path);
        other.open(path);
        c.mineFirst(mine);
        const KeptTime time(path);
        c.otherWrites(other);
        time.restore();
        c.thenMine(mine);
        const Texts file = plainRead(path);
        EXPECT_EQ(file.mid(0, c.expectedStart.size()), c.expectedStart) << c.name;
        EXPECT_TRUE(onlyMessagesInTheList(path)) << c.name;
        EXPECT_EQ(mine.subjects, file) << c.name;
    }
}

// A compaction is put in place only over the file it copied: another installation's write while
// it ran (a new message, a read mark that kept size and time) makes it drop its file.
TEST_F(StoreIntegrityTest, ACompactionIsDroppedWhenAnotherInstallationWroteMeanwhile)
{
    struct Case
    {
        const char *name;
        std::function<void(SubjectStore &other)> otherWrites;
        QByteArray expected; // a subject and mark the file must hold afterwards
    };
    const Case cases[] = {
        {"a new message", [](SubjectStore &other) { other.appendRecord(message("new")); other.save(); }, "new/Unread"},
        {"a read mark", [](SubjectStore &other) { other.mark(20, "Read"); other.save(); }, "30/Read"},
    };
    for (const Case &c : cases) {
        write(forty());
        SubjectStore mine, other;
        mine.setCompactionShare(2.0);
        other.setCompactionShare(2.0);
        mine.open(path);
        for (int i = 0; i < 10; ++i)
            mine.removeRecord(0);
        other.open(path);
        ASSERT_TRUE(mine.startCompaction()) << c.name;
        mine.waitForCompactionCopy();
        const KeptTime time(path);
        c.otherWrites(other);
        time.restore();
        bool placed = true;
        QObject::connect(&mine, &SubjectStore::compactionFinished, &mine, [&](bool p) { placed = p; });
        ASSERT_TRUE(test::runEventsUntil(&mine, &SubjectStore::compactionFinished, [&] { return !mine.isCompacting(); }));
        EXPECT_FALSE(placed) << c.name;
        EXPECT_TRUE(plainRead(path).contains(c.expected)) << c.name;
        SubjectStore again;
        again.open(path);
        EXPECT_TRUE(again.subjects.contains(c.expected)) << c.name;
    }
}

#ifdef Q_OS_UNIX
// The same with the other installation in a process of its own.
TEST_F(StoreIntegrityTest, AnotherProcessDeletingIsSeenBeforeThisOneMarks)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    write(forty());
    SubjectStore mine;
    mine.open(path);
    mine.mark(0, "Read");
    const KeptTime time(path);
    EXPECT_EXIT(
        {
            SubjectStore other;
            other.open(path);
            other.removeRecord(0);
            time.restore();
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    mine.mark(0, "Read");
    mine.save();
    EXPECT_EQ(plainRead(path).value(0), QByteArray("1/Unread"));
    EXPECT_TRUE(onlyMessagesInTheList(path));
}
#endif

// ---- Writes of one store -------------------------------------------------------------------------

TEST_F(StoreIntegrityTest, ADeletedMessageLeavesOnlyBlanksInItsPlace)
{
    write({message("a"), message("b"), message("c")});
    SubjectStore s;
    s.open(path);
    const QByteArray before = temp.read(u"InBox.cvi"_s);
    const qsizetype at = before.indexOf(message("b"));
    s.removeRecord(1);
    const QByteArray after = temp.read(u"InBox.cvi"_s);
    EXPECT_EQ(after.mid(at, message("b").size()), QByteArray(message("b").size(), ' '));
    EXPECT_TRUE(onlyMessagesInTheList(path));
}

// A read mark is written in place over the blanks after it, but never over the last blank before
// the next attribute.
TEST_F(StoreIntegrityTest, AReadMarkThatFillsTheBlanksBeforeTheNextAttributeKeepsTheFileWellFormed)
{
    for (int blanks = 1; blanks <= 4; ++blanks) {
        const QByteArray record =
            "<Message Read=\"Read\"" + QByteArray(blanks, ' ') + "GUID=\"{0}\"><Subject Text=\"a\"/><Body>b</Body></Message>";
        write({record, message("z")});
        SubjectStore s;
        s.open(path);
        s.mark(0, "Unread");
        s.save();
        EXPECT_EQ(plainRead(path), (Texts{"a/Unread", "z/Unread"})) << blanks << " blanks";
        SubjectStore again;
        ASSERT_NO_THROW(again.open(path)) << blanks << " blanks";
        EXPECT_EQ(again.subjects, (Texts{"a/Unread", "z/Unread"})) << blanks << " blanks";
    }
}

// A mark that does not fit in place makes the file be written anew; what waited with it (new
// messages, a deletion, other marks) is written too.
TEST_F(StoreIntegrityTest, AMarkThatDoesNotFitKeepsTheDeletionAndNewMessagesOfTheSameSave)
{
    const QByteArray unmarked = "<Message GUID=\"{0}\"><Subject Text=\"old\"/><Body>b</Body></Message>";
    write({unmarked, message("b"), message("c")});
    SubjectStore s;
    s.open(path);
    s.mark(0, "Read");
    s.mark(2, "Read");
    s.appendRecord(message("new"));
    s.removeRecord(1);
    const Texts expected{"old/Read", "c/Read", "new/Unread"};
    EXPECT_EQ(plainRead(path), expected);
    EXPECT_EQ(s.subjects, expected);
    SubjectStore again;
    again.open(path);
    EXPECT_EQ(again.subjects, expected);
}

// The journal is on the disk before the store's first byte changes, and the store after it.
TEST_F(StoreIntegrityTest, TheJournalReachesTheDiskBeforeTheStoreChanges)
{
    write({message("a"), message("b")});
    SubjectStore s;
    s.open(path);
    QStringList flushed;
    platform::setFlushHookForTesting([&](const QString &name) { flushed.append(QFileInfo(name).fileName()); });
    s.mark(0, "Read");
    s.save();
    platform::setFlushHookForTesting({});
    EXPECT_EQ(flushed, (QStringList{u"~corvane-InBox.cvi.journal"_s, u"InBox.cvi"_s}));
}

#ifdef Q_OS_UNIX
// A write the system stops part-way (a file-size limit here; a full disk alike) leaves the store
// as it was, or with a journal the next open repairs from: never torn.
TEST_F(StoreIntegrityTest, AWriteThatFailsPartWayLeavesTheStoreWhole)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    struct Case
    {
        const char *name;
        std::function<void(SubjectStore &)> run;
        std::function<void(Texts &)> after; // what the write makes of the subjects
    };
    const Case cases[] = {
        {"new messages",
         [](SubjectStore &s) {
             for (int i = 0; i < 8; ++i)
                 s.appendRecord(message("new", body(400)));
             s.save();
         },
         [](Texts &subjects) {
             for (int i = 0; i < 8; ++i)
                 subjects.append("new/Unread");
         }},
        {"new messages and marks",
         [](SubjectStore &s) {
             s.mark(0, "Read");
             s.mark(5, "Read");
             s.appendRecord(message("n", body(4000)));
             s.save();
         },
         [](Texts &subjects) {
             subjects[0] = "0/Read";
             subjects[5] = "5/Read";
             subjects.append("n/Unread");
         }},
    };
    for (const Case &c : cases) {
        write(forty());
        const Texts before = plainRead(path);
        Texts after = before;
        c.after(after);
        const qint64 size = QFileInfo(path).size();
        const auto limitedWrite = [&] {
            SubjectStore s;
            s.open(path);
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            limit.rlim_cur = limit.rlim_max = rlim_t(size + 100);
            setrlimit(RLIMIT_FSIZE, &limit);
            try {
                c.run(s);
            } catch (const IoError &) {
                std::_Exit(3);
            }
            std::_Exit(0);
        };
        EXPECT_EXIT(limitedWrite(), ::testing::ExitedWithCode(3), "") << c.name;
        if (!QFile::exists(platform::journalPathFor(path))) {
            EXPECT_EQ(plainRead(path), before) << c.name << ": without a journal the file must be as it was";
        }
        SubjectStore again;
        ASSERT_NO_THROW(again.open(path)) << c.name;
        EXPECT_TRUE(again.subjects == before || again.subjects == after) << c.name;
        EXPECT_EQ(plainRead(path), again.subjects) << c.name;
        EXPECT_FALSE(again.isReadOnly()) << c.name;
    }
}
#endif

// ---- The repair of a write cut off ---------------------------------------------------------------

// A deletion's journal, made by hand beside a store that carries a change mark: the blanks over
// message "b" and the next mark.
struct CutOffDeletion
{
    QByteArray before;
    QByteArray after;
    platform::FileChange change;
    std::vector<QByteArray> replaced;

    explicit CutOffDeletion(TempFolder &temp, const QString &path)
    {
        temp.write(u"InBox.cvi"_s, store({message("a"), message("b"), message("c")}));
        SubjectStore s;
        s.open(path);
        s.mark(2, "Read");
        s.save();
        before = temp.read(u"InBox.cvi"_s);
        const qsizetype at = before.indexOf(message("b"));
        const qsizetype markAt = before.lastIndexOf("<!--corvane-change ");
        EXPECT_GT(at, 0);
        EXPECT_GT(markAt, at);
        change.sizeBefore = change.sizeAfter = before.size();
        change.patches = {{at, QByteArray(message("b").size(), ' ')}, {markAt, platform::changeMarkBytes(7)}};
        after = before;
        for (const platform::FilePatch &patch : change.patches) {
            replaced.push_back(before.mid(patch.offset, patch.bytes.size()));
            after.replace(patch.offset, patch.bytes.size(), patch.bytes);
        }
    }
    void leaveJournal(const QString &path, QByteArray bytes = {}) const
    {
        writeFile(platform::journalPathFor(path), bytes.isEmpty() ? platform::journalBytes(change, replaced) : bytes);
    }
};

enum class Outcome { Before, After, Untouched };

TEST_F(StoreIntegrityTest, ARepairActsOnlyOnTheFileItsJournalWasWrittenFor)
{
    struct Case
    {
        const char *name;
        std::function<QByteArray(const CutOffDeletion &)> onDisk;
        Outcome outcome;
        bool kept;
    };
    const auto tornAt = [](const CutOffDeletion &d, qsizetype bytes) {
        QByteArray file = d.before;
        const platform::FilePatch &first = d.change.patches[0];
        file.replace(first.offset, bytes, first.bytes.left(bytes));
        return file;
    };
    const Case cases[] = {
        {"the file untouched", [](const CutOffDeletion &d) { return d.before; }, Outcome::Before, false},
        {"the change whole", [](const CutOffDeletion &d) { return d.after; }, Outcome::After, false},
        {"torn in the blanks", [&](const CutOffDeletion &d) { return tornAt(d, 17); }, Outcome::After, false},
        {"blanks written, mark not", [&](const CutOffDeletion &d) { return tornAt(d, message("b").size()); }, Outcome::After, false},
        {"another file of the same size, another message second",
         [](const CutOffDeletion &d) { return QByteArray(d.before).replace(message("b"), message("x")); }, Outcome::Untouched, true},
        {"another file of the same size, its messages a few bytes off",
         [](const CutOffDeletion &d) {
             return QByteArray(d.before).replace("Text=\"a\"", "Text=\"aa\"").replace("Text=\"c\"", "Text=\"\"");
         },
         Outcome::Untouched, true},
        {"the other installation deleted it and marked its own change",
         [](const CutOffDeletion &d) {
             QByteArray file = d.after;
             const qsizetype markAt = file.lastIndexOf("<!--corvane-change ");
             return file.replace(markAt, platform::ChangeMark::kLength, platform::changeMarkBytes(7));
         },
         Outcome::Untouched, true},
        {"another file of another size", [](const CutOffDeletion &d) { return QByteArray(d.before).replace(message("b"), message("bb")); },
         Outcome::Untouched, true},
    };
    for (const Case &c : cases) {
        const CutOffDeletion deletion(temp, path);
        const QByteArray onDisk = c.onDisk(deletion);
        temp.write(u"InBox.cvi"_s, onDisk);
        deletion.leaveJournal(path);
        SubjectStore s;
        ASSERT_NO_THROW(s.open(path)) << c.name;
        const QByteArray now = temp.read(u"InBox.cvi"_s);
        switch (c.outcome) {
        case Outcome::Before: EXPECT_EQ(now, deletion.before) << c.name; break;
        case Outcome::After: EXPECT_EQ(now, deletion.after) << c.name; break;
        case Outcome::Untouched: EXPECT_EQ(now, onDisk) << c.name; break;
        }
        EXPECT_FALSE(QFile::exists(platform::journalPathFor(path))) << c.name;
        EXPECT_EQ(keptJournals(temp).size(), c.kept ? 1 : 0) << c.name;
        EXPECT_FALSE(s.isReadOnly()) << c.name;
        EXPECT_EQ(plainRead(path), s.subjects) << c.name;
        for (const QString &kept : keptJournals(temp))
            QFile::remove(temp.file(kept));
    }
}

// A journal that is damaged, cut short or made by hand is never trusted: the store is left as it
// is (never cut), the journal kept aside, and a store whose repair could not be decided opens
// read-only, saying why.
TEST_F(StoreIntegrityTest, AJournalThatDoesNotFitIsKeptAsideAndTheStoreLeftAsItIs)
{
    struct Case
    {
        const char *name;
        std::function<QByteArray(const CutOffDeletion &)> journal;
        bool torn; // the store as a cut-off write left it, half of the blanks written
        bool readOnly;
    };
    const auto crafted = [](const CutOffDeletion &d, const std::function<void(platform::FileChange &, std::vector<QByteArray> &)> &edit) {
        platform::FileChange change = d.change;
        std::vector<QByteArray> replaced = d.replaced;
        edit(change, replaced);
        return platform::journalBytes(change, replaced);
    };
    const Case cases[] = {
        {"sizes that disagree with the file",
         [&](const CutOffDeletion &d) { return crafted(d, [](auto &change, auto &) { change.sizeAfter = 0; }); }, true, true},
        {"sizes far past the file's, taken as another file's",
         [&](const CutOffDeletion &d) { return crafted(d, [](auto &change, auto &) { change.sizeBefore = change.sizeAfter = 1 << 30; }); }, true, false},
        {"bytes before of the wrong length",
         [&](const CutOffDeletion &d) { return crafted(d, [](auto &, auto &replaced) { replaced[0].chop(1); }); }, true, true},
        {"overlapping patches",
         [&](const CutOffDeletion &d) {
             return crafted(d, [](auto &change, auto &replaced) {
                 change.patches.push_back({change.patches[0].offset + 3, "xyz"});
                 replaced.push_back(replaced[0].mid(3, 3));
             });
         },
         true, true},
        {"a negative offset",
         [&](const CutOffDeletion &d) { return crafted(d, [](auto &change, auto &) { change.patches[0].offset = -5; }); }, true, true},
        {"cut short, the store half written",
         [](const CutOffDeletion &d) { return platform::journalBytes(d.change, d.replaced).chopped(20); }, true, true},
        {"cut short, the store untouched",
         [](const CutOffDeletion &d) { return platform::journalBytes(d.change, d.replaced).chopped(20); }, false, false},
    };
    for (const Case &c : cases) {
        const CutOffDeletion deletion(temp, path);
        QByteArray onDisk = deletion.before;
        if (c.torn)
            onDisk.replace(deletion.change.patches[0].offset, 17, QByteArray(17, ' '));
        temp.write(u"InBox.cvi"_s, onDisk);
        deletion.leaveJournal(path, c.journal(deletion));
        SubjectStore s;
        try {
            s.open(path);
        } catch (const Error &) {
            // The torn store does not read; it is reported, and left as it is.
        }
        EXPECT_EQ(temp.read(u"InBox.cvi"_s), onDisk) << c.name;
        EXPECT_FALSE(QFile::exists(platform::journalPathFor(path))) << c.name;
        ASSERT_EQ(keptJournals(temp).size(), 1) << c.name;
        EXPECT_EQ(temp.read(keptJournals(temp).front()), c.journal(deletion)) << c.name;
        EXPECT_EQ(s.isReadOnly(), c.readOnly) << c.name;
        if (c.readOnly) {
            EXPECT_TRUE(s.readOnlyReason().contains(keptJournals(temp).front())) << c.name;
        }
        QFile::remove(temp.file(keptJournals(temp).front()));
    }
}

// Another installation's compaction puts a file in place whose messages lie elsewhere (its own
// store object on the file, or a sync tool bringing its file). A message this store reads, marks
// or deletes by its row afterwards is the row's message, or the store refuses: never the message
// that now lies where the row's message lay. Today it reads at the offsets of the file it last
// read: row 11 shows message 12's content, its mark lands on message 12 and its deletion removes
// message 12. Enable with the fix.
TEST_F(StoreIntegrityTest, AfterAnotherInstallationCompactedARowStillNamesItsMessage)
{
    struct Case
    {
        const char *name;
        std::function<void(SubjectStore &mine)> act;
        Texts mustHold;    // in the file afterwards
        Texts mustNotHold; // in the file afterwards
    };
    const Case cases[] = {
        {"a read",
         [](SubjectStore &mine) { EXPECT_TRUE(mine.recordBytes(11).contains("Text=\"11\"")); },
         {},
         {}},
        {"a read mark",
         [](SubjectStore &mine) {
             mine.mark(11, "Read");
             mine.save();
         },
         {"12/Unread"},
         {"12/Read"}},
        {"a deletion", [](SubjectStore &mine) { mine.removeRecord(11); }, {"12/Unread"}, {}},
    };
    for (const Case &c : cases) {
        write(forty()); // messages 10 to 39 are all of one length
        SubjectStore mine, other;
        mine.setCompactionShare(2.0);
        other.setCompactionShare(2.0);
        mine.open(path);
        other.open(path);
        other.removeRecord(10);
        ASSERT_TRUE(other.startCompaction()) << c.name;
        ASSERT_TRUE(
            test::runEventsUntil(&other, &SubjectStore::compactionFinished, [&] { return !other.isCompacting(); }));
        try {
            c.act(mine);
        } catch (const Error &) {
            // Refusing is sound too.
        }
        const Texts file = plainRead(path);
        for (const QByteArray &held : c.mustHold)
            EXPECT_TRUE(file.contains(held)) << c.name << ": " << held.constData();
        for (const QByteArray &notHeld : c.mustNotHold)
            EXPECT_FALSE(file.contains(notHeld)) << c.name << ": " << notHeld.constData();
    }
}

} // namespace
