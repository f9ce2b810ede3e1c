#include "Trace.h"

#include "spell/SpellChecker.h"

#include "platform/FileIo.h"
#include "support/Strings.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace corvane::spell {
namespace {

using corvane::test::strings;
using corvane::test::TempFolder;
using test::Trace;

struct Fixture
{
    TempFolder folder;
    SpellChecker checker;
    Trace trace;

    explicit Fixture(const QByteArray &mainWords)
    {
        folder.write(QStringLiteral("Corvane.dic"), mainWords);
        checker.Dictionary = folder.file(QStringLiteral("Corvane.dic"));
        checker.CustomDictionary = folder.file(QStringLiteral("Custom.dic"));
        checker.setEvents(&trace);
    }
    QStringList check(const QString &text)
    {
        trace.lines.clear();
        checker.CheckText(text);
        return trace.lines;
    }
    QStringList unknownLines() const { return trace.lines.filter(QStringLiteral("unknown ")); }
};

TEST(SpellChecker, ReportsEventsInOrderWithPositionsAndSuggestions)
{
    Fixture f("hello tis\r\nworld word\r\n");
    const QStringList lines = f.check(QStringLiteral("Hello wrld (helo) 'tis ABC Fig2 123 -42 $abc a  b"));
    EXPECT_EQ(lines, strings({"before", "found Hello", "clear", "like world", "unknown wrld 6 4", "clear",
                              "clear", "like hello", "unknown helo 12 4", "clear", "found tis", "clear",
                              "unknown a 45 1", "clear", "clear", "unknown b 48 1", "clear", "after"}));
}

TEST(SpellChecker, TwoLetterWordIsOfferedEveryShortDictionaryWord)
{
    Fixture f("an bee at it\r\na an\r\n");
    f.check(QStringLiteral("xq"));
    EXPECT_EQ(f.trace.lines.filter(QStringLiteral("like ")), strings({"like an", "like at", "like it", "like a", "like an"}));
}

TEST(SpellChecker, ReplacementShiftsLaterPositions)
{
    Fixture f("known");
    f.trace.onUnknown = [](QString &word, int, int) {
        if (word == u"abcd")
            word = QStringLiteral("abcdef");
    };
    f.check(QStringLiteral("abcd known xyzw qq"));
    EXPECT_EQ(f.unknownLines(), strings({"unknown abcd 0 4", "unknown xyzw 13 4", "unknown qq 18 2"}));
}

TEST(SpellChecker, CancelStopsTheCheckButStillEndsIt)
{
    Fixture f("known");
    f.trace.cancelAt = 2;
    f.trace.lines.clear();
    EXPECT_FALSE(f.checker.CheckText(QStringLiteral("aaaa bbbb cccc")));
    EXPECT_EQ(f.trace.lines.last(), QStringLiteral("after"));
    EXPECT_EQ(f.unknownLines(), strings({"unknown aaaa 0 4"}));
    EXPECT_TRUE(QFileInfo::exists(f.checker.CustomDictionary)); // written back, created when missing
}

TEST(SpellChecker, MissingMainDictionaryRaisesBeforeAnyEvent)
{
    Fixture f("x");
    f.checker.Dictionary = f.folder.file(QStringLiteral("none.dic"));
    try {
        f.check(QStringLiteral("word"));
        FAIL();
    } catch (const DictionaryError &error) {
        EXPECT_EQ(error.message(), dictionaryNotFoundText());
    }
    EXPECT_TRUE(f.trace.lines.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(f.checker.CustomDictionary));
}

TEST(SpellChecker, MainDictionaryThatIsNoTextIsAnErrorWithItsPath)
{
    Fixture f("x");
    f.folder.write(QStringLiteral("binary.dic"), QByteArray("MZ\0\0\x90\x01", 6));
    QFile huge(f.folder.file(QStringLiteral("huge.dic")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kMaxDictionaryBytes + 1)); // sparse: never really written
    huge.close();
    for (const QString &name : {QStringLiteral("binary.dic"), QStringLiteral("huge.dic")}) {
        f.checker.Dictionary = f.folder.file(name);
        f.trace.lines.clear();
        try {
            f.checker.CheckText(QStringLiteral("word"));
            ADD_FAILURE() << qPrintable(name);
        } catch (const DictionaryError &error) {
            EXPECT_TRUE(error.message().contains(f.checker.Dictionary)) << qPrintable(error.message());
        }
        EXPECT_TRUE(f.trace.lines.isEmpty());
    }
}

TEST(SpellChecker, CustomDictionaryIsWrittenWithCrLfInThePeersEncoding)
{
    for (const auto &[word, bytes] : {std::pair{"café", QByteArray("old\r\ncaf\xE9\r\n")},
                                      std::pair{"Ωmega", QByteArray("old\r\n\xCE\xA9mega\r\n")}}) {
        Fixture f("x");
        f.folder.write(QStringLiteral("Custom.dic"), "old\n");
        f.checker.AddToCustomDictionary(QString::fromUtf8(word));
        EXPECT_EQ(f.folder.read(QStringLiteral("Custom.dic")), bytes);
        f.check(QString::fromUtf8(word) + QStringLiteral(" old")); // and reads it back in either encoding
        EXPECT_TRUE(f.unknownLines().isEmpty());
    }
}

TEST(SpellChecker, WordAddedDuringCheckIsKnownForTheRestAndSavedAtTheEnd)
{
    Fixture f("x");
    f.trace.onUnknown = [&](QString &word, int, int) { f.checker.AddToCustomDictionary(word); };
    f.check(QStringLiteral("zorp Zorp zorp"));
    EXPECT_EQ(f.unknownLines(), strings({"unknown zorp 0 4"}));
    EXPECT_EQ(f.folder.read(QStringLiteral("Custom.dic")), QByteArray("zorp\r\n"));
    f.checker.AddToCustomDictionary(QStringLiteral("zorp")); // appended even when present
    EXPECT_EQ(f.folder.read(QStringLiteral("Custom.dic")), QByteArray("zorp\r\nzorp\r\n"));

    f.checker.CustomDictionary.clear();
    try {
        f.checker.AddToCustomDictionary(QStringLiteral("blip"));
        FAIL();
    } catch (const DictionaryError &error) {
        EXPECT_EQ(error.message(), noCustomDictionaryText());
    }
}

TEST(SpellChecker, FailedWriteKeepsTheCustomDictionaryWhole)
{
    Fixture f("x");
    f.folder.write(QStringLiteral("Custom.dic"), "mine\r\nours\r\n");
    f.trace.onUnknown = [&](QString &word, int, int) { f.checker.AddToCustomDictionary(word); };
    platform::setWriteFaultHookForTesting([](const QString &) { return true; });
    EXPECT_THROW(f.check(QStringLiteral("blip")), platform::WriteError);
    platform::setWriteFaultHookForTesting({});
    EXPECT_EQ(f.trace.lines.last(), QStringLiteral("after"));
    EXPECT_EQ(f.folder.read(QStringLiteral("Custom.dic")), QByteArray("mine\r\nours\r\n"));
    EXPECT_FALSE(f.checker.checking());
}

TEST(SpellChecker, WordsAnotherWriterAddsDuringACheckStayInTheCustomDictionary)
{
    Fixture f("x");
    f.folder.write(QStringLiteral("Custom.dic"), "alpha\r\n");
    f.trace.onUnknown = [&](QString &word, int, int) {
        // Another installation adds a word while this check waits for the user.
        f.folder.write(QStringLiteral("Custom.dic"), "alpha\r\nbeta\n");
        f.checker.AddToCustomDictionary(word);
    };
    f.check(QStringLiteral("gamma"));
    EXPECT_EQ(f.folder.read(QStringLiteral("Custom.dic")), QByteArray("alpha\r\nbeta\r\ngamma\r\n"));
}

TEST(SpellChecker, CustomDictionaryHoldingWhatWasWrittenIsNotRewrittenByEveryCheck)
{
    Fixture f("x");
    int writes = 0;
    platform::setWriteFaultHookForTesting([&](const QString &) { return ++writes, false; });
    f.check(QStringLiteral("one"));
    f.check(QStringLiteral("two")); // a spell run checks word by word
    EXPECT_EQ(writes, 1);
    f.folder.write(QStringLiteral("Custom.dic"), "mine\n");
    f.check(QStringLiteral("three"));
    platform::setWriteFaultHookForTesting({});
    EXPECT_EQ(writes, 2);
    EXPECT_EQ(f.folder.read(QStringLiteral("Custom.dic")), QByteArray("mine\r\n"));
}

TEST(SpellChecker, IgnoreAllLastsAcrossChecksInAnyCase)
{
    Fixture f("x");
    f.checker.AddIgnoreWord(QStringLiteral("Zorp"));
    f.check(QStringLiteral("zorp"));
    EXPECT_EQ(f.trace.lines, strings({"before", "after"}));
    f.check(QStringLiteral("ZORPs zORP"));
    EXPECT_EQ(f.unknownLines(), strings({"unknown ZORPs 0 5"}));
}

TEST(SpellChecker, IndexIsKeptUntilTheDictionaryFileChanges)
{
    Fixture f("alpha");
    const QString path = f.checker.Dictionary;
    f.check(QStringLiteral("alpha"));
    const QDateTime modified = QFileInfo(path).lastModified();

    // Same size and time: the index stands (this is what makes the second check cheap).
    f.folder.write(QStringLiteral("Corvane.dic"), "omega");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    f.check(QStringLiteral("alpha"));
    EXPECT_TRUE(f.unknownLines().isEmpty());

    // Another time, or another size: read again.
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified.addSecs(-60), QFileDevice::FileModificationTime));
    file.close();
    f.check(QStringLiteral("alpha omega"));
    EXPECT_EQ(f.unknownLines(), strings({"unknown alpha 0 5"}));
    f.folder.write(QStringLiteral("Corvane.dic"), "alpha omega");
    f.check(QStringLiteral("alpha omega"));
    EXPECT_TRUE(f.unknownLines().isEmpty());
}

} // namespace
} // namespace corvane::spell
