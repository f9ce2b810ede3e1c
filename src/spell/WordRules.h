#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace corvane::spell {

// Which words the checker skips without looking them up (IgnoreList).
enum IgnoreOption : unsigned {
    ilWithNumbers = 1, // words holding a digit 0-9
    ilNumbers = 2,     // whole integers: "-42", "+7", "$1F"
    ilUppercase = 4,   // words without an ASCII lower-case letter
};
using IgnoreList = unsigned;
inline constexpr IgnoreList kDefaultIgnoreList = ilWithNumbers | ilNumbers | ilUppercase;

// A word of a text and its start: a character offset (UTF-16 units, as editor positions count).
struct TextWord
{
    QString word;
    int position = 0;
    bool operator==(const TextWord &) const = default;
};

// The words of a text: every run of characters above the space character, with its start.
QList<TextWord> SplitWords(QStringView text);

// Calls f(QStringView word, int position) for each word, without building a list.
template<typename F>
void forEachWord(QStringView text, F &&f)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && text[i].unicode() <= 0x20)
            ++i;
        const qsizetype start = i;
        while (i < n && text[i].unicode() > 0x20)
            ++i;
        if (i > start)
            f(text.sliced(start, i - start), int(start));
    }
}

// Removes one closing punctuation mark (! " ' ) * , . : ; ? ]) from the end and, when the word
// was longer than one character, one opening mark (" ' ( [) from the start, moving startPos on.
QStringView TrimWord(QStringView word, int &startPos);

// False for the words the ignore options skip.
bool ShouldCheckWord(QStringView word, IgnoreList ignore);

// The phonetic code that groups suggestions: a Soundex without padding or truncation.
QString SoundLikeCode(QStringView word);
// The same into a caller's buffer (at least word.size() characters); returns the code's length.
qsizetype soundLikeCodeInto(QStringView word, QChar *out);

} // namespace corvane::spell
