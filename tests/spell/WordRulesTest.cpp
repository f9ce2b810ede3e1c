#include "spell/WordRules.h"

#include <gtest/gtest.h>

namespace corvane::spell {
namespace {

TEST(WordRules, SplitWordsGivesEveryRunAboveSpaceWithItsStart)
{
    const QString text = QStringLiteral("\t(hello) 'tis a  b\r\nend\x01x") + QChar(0) + QStringLiteral("y");
    const QList<TextWord> expected = {{QStringLiteral("(hello)"), 1}, {QStringLiteral("'tis"), 9},
                                      {QStringLiteral("a"), 14},      {QStringLiteral("b"), 17},
                                      {QStringLiteral("end"), 20},    {QStringLiteral("x"), 24},
                                      {QStringLiteral("y"), 26}};
    EXPECT_EQ(SplitWords(text), expected);
}

TEST(WordRules, TrimWordRemovesOneMarkAtEachEnd)
{
    struct Case
    {
        const char *token;
        const char *word;
        int shift;
    };
    const Case cases[] = {
        {"hello,", "hello", 0},   {"(hello)", "hello", 1}, {"(hello).", "hello)", 1}, {"'tis", "tis", 1},
        {"[x]", "x", 1},          {"\"a\"", "a", 1},       {"'", "", 0},              {"(", "(", 0},
        {"well-known", "well-known", 0}, {"end!?", "end!", 0}, {"*bold*", "*bold", 0},
    };
    for (const Case &c : cases) {
        int pos = 10;
        EXPECT_EQ(TrimWord(QString::fromUtf8(c.token), pos).toString(), QString::fromUtf8(c.word)) << c.token;
        EXPECT_EQ(pos, 10 + c.shift) << c.token;
    }
}

TEST(WordRules, ShouldCheckWordSkipsNumbersAndCapitals)
{
    struct Case
    {
        const char *word;
        IgnoreList ignore;
        bool check;
    };
    const Case cases[] = {
        {"hello", kDefaultIgnoreList, true}, {"ABC", kDefaultIgnoreList, false},  {"Fig2", kDefaultIgnoreList, false},
        {"123", kDefaultIgnoreList, false},  {"-42", kDefaultIgnoreList, false},  {"$abc", kDefaultIgnoreList, false},
        {"", kDefaultIgnoreList, false},     {"Fig2", ilNumbers, true},           {"$abc", ilWithNumbers, true},
        {"$abg", ilNumbers, true},           {"+7", ilNumbers, false},            {"-", ilNumbers, true},
        {"ABC", ilNumbers, true},            {"ÄÖ", ilUppercase, false},          {"Äb", ilUppercase, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ShouldCheckWord(QString::fromUtf8(c.word), c.ignore), c.check) << c.word << " " << c.ignore;
}

TEST(WordRules, SoundLikeCodeIsSoundexWithoutPaddingOrTruncation)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Robert", "R163"}, {"robert", "R163"}, {"Tymczak", "T52"}, {"Pfister", "P1236"}, {"Tatat", "T3"},
        {"at", ""},         {"a", ""},          {"Ashcraft", "A2613"}, {"éclair", "é246"}, {"1bb", "1"},
    };
    for (const auto &[word, code] : cases)
        EXPECT_EQ(SoundLikeCode(QString::fromUtf8(word)), QString::fromUtf8(code)) << word;
}

} // namespace
} // namespace corvane::spell
