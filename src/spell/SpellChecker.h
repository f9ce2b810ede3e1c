#pragma once

#include "Dictionary.h"
#include "SpellEvents.h"
#include "WordRules.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace corvane::spell {

// The spell checker: checks the words of a text against the main and custom dictionaries,
// reporting each unknown word after the dictionary words that sound like it.
//
// The main dictionary is indexed once and kept while its file keeps its size and modification
// time; the custom dictionary likewise. Lookups ignore case (Unicode case folding).
class SpellChecker
{
public:
    SpellChecker() = default;

    QString Dictionary;
    QString CustomDictionary;
    IgnoreList ignoreList = kDefaultIgnoreList;

    // The receiver of the check's events; nullptr for none.
    void setEvents(SpellEvents *events) { m_events = events; }

    // Checks every word of text; offset is added to every reported position. Returns false when
    // the check was cancelled. Throws DictionaryError before any event when the main dictionary is
    // missing or unreadable; writes the custom dictionary back at the end, also after a cancel or
    // an error (throws WriteError when it cannot).
    bool CheckText(const QString &text, int offset = 0);

    // Adds word to the custom dictionary: during a check it counts as known for the rest of it and
    // is written at its end; otherwise the file is updated at once. Throws DictionaryError when no
    // custom dictionary is set.
    void AddToCustomDictionary(const QString &word);

    // Skips word (in any case) for the rest of the process.
    void AddIgnoreWord(const QString &word);

    bool checking() const { return m_check.has_value(); }

    // For underlining as the user types: the words a check of text would report, with their
    // positions and lengths, without events. Throws DictionaryError.
    struct Unknown
    {
        int position = 0;
        int length = 0;
        bool operator==(const Unknown &) const = default;
    };
    QList<Unknown> unknownWords(QStringView text);
    // The first `limit` suggestions a check would offer for word, in the same order.
    QStringList suggestions(const QString &word, int limit);

private:
    enum class Lookup { Skipped, Ignored, Known, Unknown };
    Lookup lookUp(QStringView word, const MainDictionary &main, const CustomWords &custom) const;
    template<typename Emit>
    void forEachSuggestion(const QString &word, const MainDictionary &main, const CustomWords &custom, Emit emit) const;

    void finishCheck(SpellEvents &events);
    void writeCustom(const CustomWords &words);

    struct Check
    {
        std::shared_ptr<const MainDictionary> main;
        CustomWords custom;
        qsizetype customAtStart = 0;
    };

    SpellEvents *m_events = nullptr;
    SpellEvents m_noEvents;
    QStringList m_ignoreAll;
    QSet<QString> m_ignoreAllFolded;
    DictionaryCache m_cache;
    std::optional<Check> m_check;
};

} // namespace corvane::spell
