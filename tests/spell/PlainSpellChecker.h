#pragma once

#include "spell/SpellEvents.h"
#include "spell/WordRules.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace corvane::spell::test {

// The checker written plainly, step by step: every check reads and splits the whole main
// dictionary, every lookup scans a list from the start, and every unknown word computes the
// phonetic code of every dictionary word. The engine must answer exactly as this does.
class PlainSpellChecker
{
public:
    QString Dictionary;
    QString CustomDictionary;
    IgnoreList ignoreList = kDefaultIgnoreList;
    SpellEvents *events = nullptr;

    bool CheckText(const QString &text, int offset = 0);
    void AddToCustomDictionary(const QString &word);
    void AddIgnoreWord(const QString &word);

private:
    static bool inList(const QStringList &list, const QString &word);
    void findSuggestions(const QString &word);

    QStringList m_ignoreAll;
    std::optional<QStringList> m_mainWords;
    std::optional<QStringList> m_customWords;
};

// The steps of the algorithm as literally as they read, for the plain checker above.
QStringList plainSplitWords(const QString &text, QList<int> *positions);
QString plainSoundLikeCode(const QString &word);

} // namespace corvane::spell::test
