#include "platform/FileIo.h"
#include "platform/IniFile.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using corvane::platform::IniFile;
using corvane::platform::WriteError;
using corvane::test::TempFolder;

namespace {

struct IntegerCase
{
    const char *text;
    int expected;
};

class IniIntegerParsing : public ::testing::TestWithParam<IntegerCase>
{};

TEST_P(IniIntegerParsing, ReadsDecimalAndHexOrFallsBackToDefault)
{
    TempFolder folder;
    folder.write(QStringLiteral("main.ini"),
                 QByteArray("[Settings]\r\nValue=") + GetParam().text + "\r\n");
    const IniFile file(folder.file(QStringLiteral("main.ini")));
    EXPECT_EQ(file.readInteger(QStringLiteral("Settings"), QStringLiteral("Value"), 77),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, IniIntegerParsing,
                         ::testing::Values(IntegerCase{"0x1E", 30}, IntegerCase{"0X1e", 30},
                                           IntegerCase{"42", 42}, IntegerCase{"-7", -7},
                                           IntegerCase{" 12 ", 12}, IntegerCase{"yes", 77},
                                           IntegerCase{"", 77}, IntegerCase{"12abc", 77},
                                           IntegerCase{"0xFFFFFFFF", -1},
                                           IntegerCase{"99999999999", 77}));

TEST(IniFile, MissingFileSectionOrKeyGivesTheDefault)
{
    TempFolder folder;
    const IniFile missing(folder.file(QStringLiteral("none.ini")));
    EXPECT_EQ(missing.readString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(missing.readInteger(QStringLiteral("S"), QStringLiteral("K"), 5), 5);
    EXPECT_TRUE(missing.readBool(QStringLiteral("S"), QStringLiteral("K"), true));
    EXPECT_FALSE(QFile::exists(missing.path())) << "reading must not create the file";
}

TEST(IniFile, BooleansAreIntegersAndYesReadsAsTheDefault)
{
    TempFolder folder;
    folder.write(QStringLiteral("a.ini"), "[S]\nyes=yes\ntwo=2\nzero=0\nhex=0x10\n");
    const IniFile file(folder.file(QStringLiteral("a.ini")));
    EXPECT_FALSE(file.readBool(QStringLiteral("S"), QStringLiteral("yes"), false));
    EXPECT_TRUE(file.readBool(QStringLiteral("S"), QStringLiteral("two"), false));
    EXPECT_FALSE(file.readBool(QStringLiteral("S"), QStringLiteral("zero"), true));
    EXPECT_TRUE(file.readBool(QStringLiteral("S"), QStringLiteral("hex"), false));
}

TEST(IniFile, SectionsAndKeysMatchWhateverTheirCase)
{
    TempFolder folder;
    folder.write(QStringLiteral("a.ini"), "[settings]\r\nnAME=Ann\r\n");
    IniFile file(folder.file(QStringLiteral("a.ini")));
    EXPECT_EQ(file.readString(QStringLiteral("SETTINGS"), QStringLiteral("Name"), {}),
              QStringLiteral("Ann"));
    file.writeString(QStringLiteral("Settings"), QStringLiteral("NAME"), QStringLiteral("Bob"));
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), QByteArray("[settings]\r\nNAME=Bob\r\n"))
        << "the existing key is replaced, not added a second time";
}

TEST(IniFile, WritesKeepOtherSectionsKeysAndComments)
{
    TempFolder folder;
    folder.write(QStringLiteral("a.ini"), "; comment\n[A]\nx=1\n\n[B]\ny=2\n");
    IniFile file(folder.file(QStringLiteral("a.ini")));
    file.writeInteger(QStringLiteral("A"), QStringLiteral("z"), 3);
    file.writeString(QStringLiteral("C"), QStringLiteral("w"), QStringLiteral("v"));
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")),
              QByteArray("; comment\n[A]\nx=1\nz=3\n\n[B]\ny=2\n\n[C]\nw=v\n"));
}

TEST(IniFile, CrlfAndLfReadAlike)
{
    TempFolder folder;
    folder.write(QStringLiteral("crlf.ini"), "[S]\r\nk=v \r\n");
    folder.write(QStringLiteral("lf.ini"), "[S]\nk=v\n");
    EXPECT_EQ(IniFile(folder.file(QStringLiteral("crlf.ini")))
                  .readString(QStringLiteral("S"), QStringLiteral("k"), {}),
              QStringLiteral("v"));
    EXPECT_EQ(IniFile(folder.file(QStringLiteral("lf.ini")))
                  .readString(QStringLiteral("S"), QStringLiteral("k"), {}),
              QStringLiteral("v"));
}

TEST(IniFile, TestsAndDeletesKeys)
{
    TempFolder folder;
    IniFile file(folder.file(QStringLiteral("Attach.ini")));
    file.writeInteger(QStringLiteral("Files"), QStringLiteral("a.txt"), -1);
    file.writeInteger(QStringLiteral("Files"), QStringLiteral("b.txt"), 2);
    EXPECT_TRUE(file.valueExists(QStringLiteral("files"), QStringLiteral("A.TXT")));
    file.deleteKey(QStringLiteral("Files"), QStringLiteral("a.txt"));
    EXPECT_FALSE(file.valueExists(QStringLiteral("Files"), QStringLiteral("a.txt")));
    EXPECT_EQ(file.keys(QStringLiteral("Files")), QStringList{QStringLiteral("b.txt")});
}

TEST(IniFile, LongValuesAreCutTo2047Characters)
{
    TempFolder folder;
    IniFile file(folder.file(QStringLiteral("a.ini")));
    file.writeString(QStringLiteral("S"), QStringLiteral("k"), QString(3000, u'x'));
    EXPECT_EQ(file.readString(QStringLiteral("S"), QStringLiteral("k"), {}).size(), 2047);
}

TEST(IniFile, EightBitFilesFromPeersAndNonLatinTextBothRoundTrip)
{
    TempFolder folder;
    folder.write(QStringLiteral("a.ini"), "[Files]\nR\xE9sum\xE9.doc=2\n");
    IniFile file(folder.file(QStringLiteral("a.ini")));
    EXPECT_EQ(file.readInteger(QStringLiteral("Files"), QString::fromUtf8("Résumé.doc"), 0), 2);
    file.writeInteger(QStringLiteral("Files"), QString::fromUtf8("Résumé.doc"), 1);
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), QByteArray("[Files]\nR\xE9sum\xE9.doc=1\n"))
        << "text that fits windows-1252 stays in the peers' code page";
    file.writeString(QStringLiteral("S"), QStringLiteral("k"), QString::fromUtf8("Москва"));
    EXPECT_EQ(file.readString(QStringLiteral("S"), QStringLiteral("k"), {}), QString::fromUtf8("Москва"));
    EXPECT_EQ(file.readInteger(QStringLiteral("Files"), QString::fromUtf8("Résumé.doc"), 0), 1);
}

TEST(IniFile, AFailedWriteSaysUnableToWriteAndKeepsEarlierWrites)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("main.ini"));
    IniFile file(path);
    file.writeString(QStringLiteral("S"), QStringLiteral("first"), QStringLiteral("1"));
    corvane::platform::setWriteFaultHookForTesting([](const QString &) { return true; });
    try {
        file.writeString(QStringLiteral("S"), QStringLiteral("second"), QStringLiteral("2"));
        corvane::platform::setWriteFaultHookForTesting({});
        FAIL() << "the write should have failed";
    } catch (const WriteError &error) {
        corvane::platform::setWriteFaultHookForTesting({});
        EXPECT_EQ(error.message(), QStringLiteral("Unable to write to ") + path);
    }
    EXPECT_EQ(file.readString(QStringLiteral("S"), QStringLiteral("first"), {}), QStringLiteral("1"));
    EXPECT_FALSE(file.valueExists(QStringLiteral("S"), QStringLiteral("second")));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("main.ini")})
        << "no temporary file is left behind";
}

TEST(IniFile, AWriteIntoAFolderNobodyMayWriteRaisesTheMessage)
{
    // Even root cannot create files in /proc.
    IniFile file(QStringLiteral("/proc/corvane-no-such-folder/main.ini"));
    try {
        file.writeInteger(QStringLiteral("S"), QStringLiteral("k"), 1);
        FAIL() << "the write should have failed";
    } catch (const WriteError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Unable to write to /proc/corvane-no-such-folder/main.ini"));
    }
}

} // namespace

namespace {

TEST(IniFile, ValuesWithOuterBlanksOrQuotesReadBackAsWritten)
{
    TempFolder folder;
    IniFile file(folder.file(QStringLiteral("main.ini")));
    const QString values[] = {QStringLiteral(" leading"), QStringLiteral("trailing\t"), QStringLiteral("\"quoted\""),
                              QStringLiteral("'single'"), QStringLiteral("\" blank inside quotes \""),
                              QStringLiteral("\"open"), QStringLiteral("a \"middle\" b"), QStringLiteral(" ")};
    for (const QString &value : values) {
        file.writeString(QStringLiteral("S"), QStringLiteral("k"), value);
        EXPECT_EQ(file.readString(QStringLiteral("S"), QStringLiteral("k"), {}), value) << value.toStdString();
    }
    // Windows' profile reader trims blanks and strips one pair of quotes, as ours does.
    file.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral(" x "));
    EXPECT_TRUE(folder.read(QStringLiteral("main.ini")).contains("k=\" x \"\r\n"));
}

} // namespace
