#include "platform/Errors.h"
#include "platform/JournaledWrite.h"
#include "platform/RecordScanner.h"
#include "platform/RecordStore.h"
#include "platform/StoreChangeMark.h"

#include "SubjectStore.h"

#include "support/EventWait.h"
#include "support/TempFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <thread>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#endif

namespace {

using namespace corvane;
using namespace corvane::test;

struct ScanCase
{
    const char *name;
    QByteArray file;
    Texts bodies; // as the scan finds them, raw
    Texts marks;
};

TEST(RecordScanner, FindsRecordsTheirBodiesAndMarksWhateverTheLayout)
{
    const ScanCase cases[] = {
        {"raw", store({message("a", "x"), message("b", "y")}), {"x", "y"}, {"Unread", "Unread"}},
        {"indented with CRLF and a comment",
         "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<Inbox>\r\n  <Properties/>\r\n  <!-- <Messages> -->\r\n  <Messages>\r\n"
         "    <Message Read = 'Read'  ><Body>t</Body></Message>\r\n  </Messages>\r\n</Inbox>\r\n",
         {"t"},
         {"Read"}},
        {"end tags inside CDATA and attribute values",
         store({"<Message Read=\"Unread\" X=\"a>b</Message>\"><Body><![CDATA[</Message></Messages>]]></Body></Message>"}),
         {"<![CDATA[</Message></Messages>]]>"},
         {"Unread"}},
        {"self-closing list", "<Sentbox><Properties/><Messages/></Sentbox>", {}, {}},
        {"no mark, no body", store({"<Message/>", "<Message><To/></Message>"}), {"", ""}, {"", ""}},
    };
    for (const ScanCase &c : cases) {
        QByteArray bytes = c.file;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        Texts bodies, marks;
        const platform::StoreLayout layout =
            platform::scanStore(buffer, kNames, QStringLiteral("test"), [&](const platform::ScannedRecord &r, QByteArrayView b) {
                bodies.append(r.bodyBegin < 0 ? QByteArray() : b.sliced(r.bodyBegin, r.bodyEnd - r.bodyBegin).toByteArray());
                marks.append(r.markBegin < 0 ? QByteArray() : b.sliced(r.markBegin, r.markLength).toByteArray());
                EXPECT_TRUE(b.startsWith("<Message") && b.endsWith(">")) << c.name;
            });
        EXPECT_EQ(bodies, c.bodies) << c.name;
        EXPECT_EQ(marks, c.marks) << c.name;
        EXPECT_TRUE(layout.hasList()) << c.name;
        EXPECT_EQ(layout.size, c.file.size()) << c.name;
    }
}

TEST(RecordScanner, RefusesWhatIsNotWellFormedWithTheOffset)
{
    const QByteArray broken[] = {
        store({message("a")}).chopped(9),                      // cut inside the end tags
        store({message("a")}).replace("</Body>", "</Bod>"),   // wrong end tag
        store({message("a")}) + "text",                       // text after the root
        store({message("a")}).replace("\"Ann\"", "Ann"),      // value without quotes
        store({message("a")}).replace("<Inbox>", "<Inbox><Inbox/>").replace("</Inbox>", "</Inbox></Inbox>x"),
        QByteArray(),
    };
    for (const QByteArray &file : broken) {
        QByteArray bytes = file;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_THROW(platform::scanStore(buffer, kNames, QStringLiteral("f"), [](auto &, auto) {}), XmlError) << file.constData();
    }
}

// Each write keeps the file readable by a plain parser, changes only its own bytes, and reads
// back the same from a fresh store.
TEST_F(RecordStoreTest, WritesChangeOnlyTheirBytesAndLeaveAPlainXmlFile)
{
    write({message("a"), message("b"), message("c")});
    SubjectStore s;
    s.open(path);
    const QByteArray before = temp.read(QStringLiteral("InBox.cvi"));
    const qsizetype listEnd = before.indexOf("</Messages>");

    s.appendRecord(message("d"));
    s.appendRecord(message("e"));
    s.save();
    QByteArray after = temp.read(QStringLiteral("InBox.cvi"));
    EXPECT_EQ(after.left(listEnd), before.left(listEnd));
    // The first write also adds the change mark after the root.
    EXPECT_EQ(after.size(), before.size() + 2 * message("d").size() + platform::ChangeMark::kLength + 1);

    s.mark(1, "Read");
    EXPECT_EQ(temp.read(QStringLiteral("InBox.cvi")), after) << "a mark waits for the next save";
    s.save();
    const QByteArray marked = temp.read(QStringLiteral("InBox.cvi"));
    ASSERT_EQ(marked.size(), after.size());
    const qsizetype markAt = marked.lastIndexOf("<!--corvane-change ");
    ASSERT_EQ(markAt, after.lastIndexOf("<!--corvane-change "));
    int differing = 0;
    for (qsizetype i = 0; i < markAt; ++i)
        differing += marked[i] != after[i];
    EXPECT_LE(differing, 7);
    EXPECT_NE(marked.mid(markAt), after.mid(markAt)) << "every write moves the change mark";

    s.removeRecord(0);
    EXPECT_EQ(temp.read(QStringLiteral("InBox.cvi")).size(), after.size()) << "a removal leaves blanks";
    const Texts expected{"b/Read", "c/Unread", "d/Unread", "e/Unread"};
    EXPECT_EQ(plainRead(path), expected);
    EXPECT_EQ(s.subjects, expected);
    SubjectStore again;
    again.open(path);
    EXPECT_EQ(again.subjects, expected);
    EXPECT_EQ(again.recordBytes(2), message("d"));
    // The marked message can be marked unread again in the room its first mark left.
    again.mark(0, "Unread");
    again.save();
    EXPECT_EQ(plainRead(path).value(0), QByteArray("b/Unread"));
}

TEST_F(RecordStoreTest, MakesTheListAndRootChildrenThatAreMissing)
{
    const QByteArray files[] = {"<Inbox/>", "<Inbox><Properties/></Inbox>", "<Inbox><Messages/></Inbox>",
                                "<Inbox>\n  <Messages>\n  </Messages>\n</Inbox>\n"};
    for (const QByteArray &file : files) {
        temp.write(QStringLiteral("InBox.cvi"), file);
        SubjectStore s;
        s.open(path);
        s.ensureRootChild("Messages");
        s.ensureRootChild("Properties");
        s.appendRecord(message("a"));
        s.save();
        EXPECT_EQ(plainRead(path), Texts{"a/Unread"}) << file.constData();
        s.appendRecord(message("b"));
        s.save();
        SubjectStore again;
        again.open(path);
        EXPECT_EQ(again.subjects, (Texts{"a/Unread", "b/Unread"})) << file.constData();
        pugi::xml_document document;
        ASSERT_TRUE(document.load_file(QFile::encodeName(path).constData()));
        EXPECT_TRUE(document.child("Inbox").child("Properties")) << file.constData();
    }
}

// A store an old copy wrote in another encoding is read as text and, when it may be written,
// written again in UTF-8 before anything is changed in place.
TEST_F(RecordStoreTest, AStoreInAnotherEncodingIsWrittenAgainInUtf8BeforeItChanges)
{
    const QByteArray latin1 = store({message("caf\xE9")});
    const QByteArray declared = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>" + latin1.mid(21);
    for (const QByteArray &file : {declared, latin1}) {
        temp.write(QStringLiteral("InBox.cvi"), file);
        SubjectStore s;
        s.open(path);
        EXPECT_EQ(s.subjects, Texts{"caf\xC3\xA9/Unread"});
        s.mark(0, "Read");
        s.save();
        EXPECT_EQ(plainRead(path), Texts{"caf\xC3\xA9/Read"});
    }
}

TEST_F(RecordStoreTest, BodiesAreReadFromTheFileOnAnotherThreadWithTheirReferencesResolved)
{
    write({message("a", "{\\rtf1 a &amp; b}"), message("b", "plain")});
    SubjectStore s;
    s.open(path);
    s.appendRecord(message("c", "<![CDATA[x < y]]>"));
    const auto bodies = s.bodyReader();
    Texts read;
    std::thread worker([&] {
        for (int i = 0; i < 3; ++i)
            read.append(bodies(i).toByteArray());
    });
    worker.join();
    EXPECT_EQ(read, (Texts{"{\\rtf1 a & b}", "plain", "x < y"}));
}

#ifdef Q_OS_UNIX
// A crash at any byte of a write leaves a file the next open reads, holding the store before or
// after the write, with the repair done and the journal gone.
TEST_F(RecordStoreTest, ACrashAtAnyByteOfAWriteIsRepairedOnTheNextOpen)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    const QList<QByteArray> initial{message("a"), message("b"), message("c")};
    struct Write
    {
        const char *name;
        std::function<void(SubjectStore &)> run;
        Texts after;
    };
    const Write writes[] = {
        {"append", [](SubjectStore &s) { s.appendRecord(message("d")); s.appendRecord(message("e")); s.save(); },
         {"a/Unread", "b/Unread", "c/Unread", "d/Unread", "e/Unread"}},
        {"mark", [](SubjectStore &s) { s.mark(1, "Read"); s.save(); }, {"a/Unread", "b/Read", "c/Unread"}},
        {"remove", [](SubjectStore &s) { s.removeRecord(1); }, {"a/Unread", "c/Unread"}},
    };
    const Texts before{"a/Unread", "b/Unread", "c/Unread"};
    for (const Write &w : writes) {
        for (qint64 bytes = 0; bytes < 2600; bytes += bytes < 64 ? 1 : 37) {
            write(initial);
            EXPECT_EXIT(
                {
                    SubjectStore s;
                    s.open(path);
                    platform::setExitAfterBytesForTesting(bytes);
                    w.run(s);
                    std::_Exit(71);
                },
                [](int status) { return WIFEXITED(status) && (WEXITSTATUS(status) == 70 || WEXITSTATUS(status) == 71); },
                "");
            SubjectStore s;
            ASSERT_NO_THROW(s.open(path)) << w.name << " at byte " << bytes;
            EXPECT_TRUE(s.subjects == before || s.subjects == w.after) << w.name << " at byte " << bytes << ": "
                                                                       << s.subjects.join(' ').toStdString();
            EXPECT_EQ(plainRead(path), s.subjects) << w.name << " at byte " << bytes;
            EXPECT_FALSE(QFile::exists(platform::journalPathFor(path)));
        }
    }
}

#endif

TEST_F(RecordStoreTest, CompactionGivesTheBlanksBackUnlessAWriteCameBetween)
{
    QList<QByteArray> messages;
    for (int i = 0; i < 40; ++i)
        messages.append(message(QByteArray::number(i)));
    write(messages);
    temp.write(QStringLiteral("~corvane-InBox.cvi.compacting"), "left by a compaction a crash cut off");
    SubjectStore s;
    s.setCompactionShare(2.0); // never on its own here
    s.open(path);
    const qint64 full = s.fileSize();
    for (int i = 0; i < 20; ++i)
        s.removeRecord(i); // every second message
    ASSERT_TRUE(s.startCompaction());
    ASSERT_TRUE(test::runEventsUntil(&s, &SubjectStore::compactionFinished, [&] { return !s.isCompacting(); }));
    EXPECT_LT(s.fileSize(), full * 6 / 10);
    EXPECT_EQ(QFileInfo(path).size(), s.fileSize());
    EXPECT_EQ(s.deadBytes(), 0);
    // The offsets followed the move: writes and reads after it land on their records.
    s.mark(3, "Read");
    s.removeRecord(0);
    EXPECT_EQ(plainRead(path), s.subjects);
    EXPECT_EQ(s.subjects.value(2), QByteArray("7/Read"));

    // A write while the compaction runs: its file is dropped, nothing of it stays.
    ASSERT_TRUE(s.startCompaction());
    s.appendRecord(message("new"));
    s.save();
    ASSERT_TRUE(test::runEventsUntil(&s, &SubjectStore::compactionFinished, [&] { return !s.isCompacting(); }));
    EXPECT_GT(s.deadBytes(), 0);
    EXPECT_EQ(plainRead(path), s.subjects);
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList{u"InBox.cvi"_s});
}

} // namespace
