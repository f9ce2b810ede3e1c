#include "SpellChecker.h"

namespace corvane::spell {

SpellChecker::Lookup SpellChecker::lookUp(QStringView word, const MainDictionary &main, const CustomWords &custom) const
{
    if (!ShouldCheckWord(word, ignoreList))
        return Lookup::Skipped;
    const QString folded = foldedWord(word);
    if (m_ignoreAllFolded.contains(folded))
        return Lookup::Ignored;
    if (main.containsFolded(folded) || custom.containsFolded(folded))
        return Lookup::Known;
    return Lookup::Unknown;
}

template<typename Emit>
void SpellChecker::forEachSuggestion(const QString &word, const MainDictionary &main, const CustomWords &custom,
                                     Emit emit) const
{
    const QString code = SoundLikeCode(word);
    if (const std::vector<int> *indexes = main.withCode(code)) {
        for (const int i : *indexes) {
            if (!emit(main.word(i)))
                return;
        }
    }
    for (qsizetype i = 0; i < custom.entries().size(); ++i) {
        if (custom.code(i) == code && !emit(QStringView(custom.entries()[i])))
            return;
    }
}

bool SpellChecker::CheckText(const QString &text, int offset)
{
    SpellEvents &events = m_events ? *m_events : m_noEvents;
    if (m_check)
        throw Error(QStringLiteral("A spell check is already running."));
    {
        auto main = m_cache.main(Dictionary);
        m_check = Check{std::move(main), m_cache.custom(CustomDictionary)};
    }
    const QList<TextWord> textWords = SplitWords(text);
    bool completed = true;
    try {
        events.BeforeSpellCheck();
        int shift = offset;
        for (const TextWord &entry : textWords) {
            if (events.OnCheckCancel()) {
                completed = false;
                break;
            }
            int startPos = entry.position + shift;
            const QString word = TrimWord(entry.word, startPos).toString();
            const int oldLength = int(word.size());
            switch (lookUp(word, *m_check->main, m_check->custom)) {
            case Lookup::Skipped:
            case Lookup::Ignored:
                continue;
            case Lookup::Known:
                events.OnWordFound(word);
                continue;
            case Lookup::Unknown:
                break;
            }
            events.OnClearSoundLike();
            forEachSuggestion(word, *m_check->main, m_check->custom, [&](QStringView suggestion) {
                events.OnSoundLikeFound(suggestion.toString());
                return true;
            });
            QString replacement = word;
            events.OnWordNotFound(replacement, startPos, oldLength);
            shift += int(replacement.size()) - oldLength;
            events.OnClearSoundLike();
        }
    } catch (...) {
        finishCheck(events); // a handler's error still ends the check and saves the custom words
        throw;
    }
    finishCheck(events);
    return completed;
}

void SpellChecker::finishCheck(SpellEvents &events)
{
    const CustomWords custom = std::move(m_check->custom);
    m_check.reset();
    events.AfterSpellCheck();
    if (!CustomDictionary.isEmpty()) {
        writeDictionaryLines(CustomDictionary, custom.entries());
        m_cache.customWritten(CustomDictionary, custom);
    }
}

void SpellChecker::AddToCustomDictionary(const QString &word)
{
    if (CustomDictionary.isEmpty())
        throw DictionaryError(kNoCustomDictionary);
    if (m_check) {
        m_check->custom.append(word);
        return;
    }
    CustomWords custom = m_cache.custom(CustomDictionary);
    custom.append(word);
    writeDictionaryLines(CustomDictionary, custom.entries());
    m_cache.customWritten(CustomDictionary, custom);
}

void SpellChecker::AddIgnoreWord(const QString &word)
{
    const QString folded = foldedWord(word);
    if (m_ignoreAllFolded.contains(folded))
        return;
    m_ignoreAllFolded.insert(folded);
    m_ignoreAll.append(word);
}

QList<SpellChecker::Unknown> SpellChecker::unknownWords(QStringView text)
{
    const auto main = m_check ? m_check->main : m_cache.main(Dictionary);
    const CustomWords &custom = m_check ? m_check->custom : m_cache.custom(CustomDictionary);
    QList<Unknown> unknown;
    forEachWord(text, [&](QStringView token, int position) {
        const QStringView word = TrimWord(token, position);
        if (lookUp(word, *main, custom) == Lookup::Unknown)
            unknown.append({position, int(word.size())});
    });
    return unknown;
}

QStringList SpellChecker::suggestions(const QString &word, int limit)
{
    const auto main = m_check ? m_check->main : m_cache.main(Dictionary);
    const CustomWords &custom = m_check ? m_check->custom : m_cache.custom(CustomDictionary);
    QStringList found;
    if (limit <= 0)
        return found;
    forEachSuggestion(word, *main, custom, [&](QStringView suggestion) {
        found.append(suggestion.toString());
        return found.size() < limit;
    });
    return found;
}

} // namespace corvane::spell
