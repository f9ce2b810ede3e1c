#include "PlainSpellChecker.h"

#include "spell/Dictionary.h"

#include <QFileInfo>

namespace corvane::spell::test {

namespace {

bool isControl(QChar c)
{
    return c.unicode() <= 31; // a NUL counts with the controls, as the engine reads it
}

} // namespace

QStringList plainSplitWords(const QString &text, QList<int> *positions)
{
    QStringList words;
    int counter = 0;
    const int n = int(text.size());
    while (counter < n && isControl(text[counter]))
        ++counter;
    while (counter < n) {
        QString run;
        while (counter < n && !isControl(text[counter]) && text[counter] != u' ')
            run += text[counter++];
        if (!run.isEmpty()) {
            words.append(run);
            positions->append(counter - int(run.size()));
        }
        while (counter < n && isControl(text[counter]))
            ++counter;
        if (counter < n && text[counter] == u' ') {
            ++counter;
            while (counter < n && isControl(text[counter]))
                ++counter;
        }
    }
    return words;
}

QString plainSoundLikeCode(const QString &word)
{
    if (word.size() <= 2)
        return {};
    QString upper = word;
    for (QChar &c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    }
    QString formed = upper.left(1);
    for (int i = 1; i < upper.size(); ++i) {
        const QChar c = upper[i];
        if (QStringLiteral("BFPV").contains(c))
            formed += u'1';
        else if (QStringLiteral("CGJKQSXZ").contains(c))
            formed += u'2';
        else if (QStringLiteral("DT").contains(c))
            formed += u'3';
        else if (c == u'L')
            formed += u'4';
        else if (QStringLiteral("MN").contains(c))
            formed += u'5';
        else if (c == u'R')
            formed += u'6';
    }
    QString code = formed.left(1);
    for (int i = 1; i < formed.size(); ++i) {
        if (formed[i] != formed[i - 1])
            code += formed[i];
    }
    return code;
}

bool PlainSpellChecker::inList(const QStringList &list, const QString &word)
{
    for (const QString &entry : list) {
        if (entry.compare(word, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void PlainSpellChecker::findSuggestions(const QString &word)
{
    events->OnClearSoundLike();
    const QString code = plainSoundLikeCode(word);
    for (const QString &entry : *m_mainWords) {
        if (plainSoundLikeCode(entry) == code)
            events->OnSoundLikeFound(entry);
    }
    for (const QString &entry : *m_customWords) {
        if (plainSoundLikeCode(entry) == code)
            events->OnSoundLikeFound(entry);
    }
}

bool PlainSpellChecker::CheckText(const QString &text, int offset)
{
    if (!QFileInfo::exists(Dictionary))
        throw DictionaryError(dictionaryNotFoundText());
    QList<int> ignored;
    m_mainWords = plainSplitWords(readDictionaryText(Dictionary), &ignored);
    m_customWords = QStringList();
    if (QFileInfo::exists(CustomDictionary))
        m_customWords = dictionaryLines(readDictionaryText(CustomDictionary));
    QList<int> positions;
    const QStringList textWords = plainSplitWords(text, &positions);

    bool result = true;
    const auto finish = [&] {
        events->AfterSpellCheck();
        if (!CustomDictionary.isEmpty())
            writeDictionaryLines(CustomDictionary, *m_customWords);
        m_mainWords.reset();
        m_customWords.reset();
    };
    try {
        events->BeforeSpellCheck();
        int shift = offset;
        for (int i = 0; i < textWords.size(); ++i) {
            if (events->OnCheckCancel()) {
                result = false;
                break;
            }
            int startPos = positions[i] + shift;
            QString word = TrimWord(textWords[i], startPos).toString();
            const int oldLength = int(word.size());
            if (!ShouldCheckWord(word, ignoreList))
                continue;
            if (inList(m_ignoreAll, word))
                continue;
            if (inList(*m_mainWords, word) || inList(*m_customWords, word)) {
                events->OnWordFound(word);
                continue;
            }
            findSuggestions(word);
            events->OnWordNotFound(word, startPos, oldLength);
            shift += int(word.size()) - oldLength;
            events->OnClearSoundLike();
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return result;
}

void PlainSpellChecker::AddToCustomDictionary(const QString &word)
{
    if (CustomDictionary.isEmpty())
        throw DictionaryError(noCustomDictionaryText());
    if (m_customWords) {
        m_customWords->append(word);
        return;
    }
    QStringList list;
    if (QFileInfo::exists(CustomDictionary))
        list = dictionaryLines(readDictionaryText(CustomDictionary));
    list.append(word);
    writeDictionaryLines(CustomDictionary, list);
}

void PlainSpellChecker::AddIgnoreWord(const QString &word)
{
    if (!inList(m_ignoreAll, word))
        m_ignoreAll.append(word);
}

} // namespace corvane::spell::test
