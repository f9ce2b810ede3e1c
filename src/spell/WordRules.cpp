#include "WordRules.h"

namespace corvane::spell {

namespace {

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return isDigit(c) || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

bool isInteger(QStringView word)
{
    if (word.startsWith(u'$')) {
        const QStringView digits = word.sliced(1);
        return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), isHexDigit);
    }
    QStringView digits = word;
    if (digits.startsWith(u'+') || digits.startsWith(u'-'))
        digits = digits.sliced(1);
    return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), isDigit);
}

char16_t soundDigit(char16_t upper)
{
    switch (upper) {
    case u'B': case u'F': case u'P': case u'V':
        return u'1';
    case u'C': case u'G': case u'J': case u'K': case u'Q': case u'S': case u'X': case u'Z':
        return u'2';
    case u'D': case u'T':
        return u'3';
    case u'L':
        return u'4';
    case u'M': case u'N':
        return u'5';
    case u'R':
        return u'6';
    default:
        return 0;
    }
}

char16_t asciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

} // namespace

QList<TextWord> SplitWords(QStringView text)
{
    QList<TextWord> words;
    words.reserve(text.size() / 5);
    forEachWord(text, [&](QStringView word, int position) { words.append({word.toString(), position}); });
    return words;
}

QStringView TrimWord(QStringView word, int &startPos)
{
    const qsizetype originalLength = word.size();
    static constexpr QStringView closing = u"!\"')*,.:;?]";
    static constexpr QStringView opening = u"\"'([";
    if (!word.isEmpty() && closing.contains(word.back()))
        word.chop(1);
    if (originalLength > 1 && !word.isEmpty() && opening.contains(word.front())) {
        word = word.sliced(1);
        ++startPos;
    }
    return word;
}

bool ShouldCheckWord(QStringView word, IgnoreList ignore)
{
    if ((ignore & ilWithNumbers) && std::any_of(word.begin(), word.end(), isDigit))
        return false;
    if ((ignore & ilNumbers) && isInteger(word))
        return false;
    if ((ignore & ilUppercase)
        && std::none_of(word.begin(), word.end(), [](QChar c) { return c.unicode() >= u'a' && c.unicode() <= u'z'; }))
        return false;
    return true;
}

qsizetype soundLikeCodeInto(QStringView word, QChar *out)
{
    if (word.size() <= 2)
        return 0;
    qsizetype length = 0;
    const char16_t first = asciiUpper(word[0].unicode());
    out[length++] = QChar(first);
    char16_t previous = first; // the character before, in the code with every digit appended
    for (qsizetype i = 1; i < word.size(); ++i) {
        const char16_t digit = soundDigit(asciiUpper(word[i].unicode()));
        if (!digit)
            continue;
        if (digit != previous)
            out[length++] = QChar(digit);
        previous = digit;
    }
    return length;
}

QString SoundLikeCode(QStringView word)
{
    QString code(word.size(), Qt::Uninitialized);
    code.truncate(soundLikeCodeInto(word, code.data()));
    return code;
}

} // namespace corvane::spell
