#include "SpellChecker.h"

#include <QVarLengthArray>

namespace corvane::spell {

SpellChecker::Lookup SpellChecker::lookUp(QStringView word, const MainDictionary &main, const CustomWords &custom) const
{
    if (!ShouldCheckWord(word, ignoreList))
        return Lookup::Skipped;
    QVarLengthArray<QChar, 64> buffer(word.size());
    foldInto(word, buffer.data());
    const QStringView folded(buffer.data(), buffer.size());
    std::optional<QString> key; // a string only for the small sets, and only when they hold something
    const auto keyed = [&]() -> const QString & {
        if (!key)
            key = folded.toString();
        return *key;
    };
    if (!m_ignoreAllFolded.isEmpty() && m_ignoreAllFolded.contains(keyed()))
        return Lookup::Ignored;
    if (main.containsFolded(folded) || (!custom.isEmpty() && custom.containsFolded(keyed())))
        return Lookup::Known;
    return Lookup::Unknown;
}

template<typename Emit>
void SpellChecker::forEachSuggestion(const QString &word, const MainDictionary &main, const CustomWords &custom,
                                     Emit emit) const
{
    const QString code = SoundLikeCode(word);
    for (const int i : main.withCode(code)) {
        if (!emit(main.word(i)))
            return;
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
        throw Error(QCoreApplication::translate("corvane::spell::SpellChecker", "A spell check is already running."));
    {
        auto main = m_cache.main(Dictionary);
        const CustomWords &custom = m_cache.custom(CustomDictionary);
        m_check = Check{std::move(main), custom, custom.entries().size()};
    }
    const QString source = text; // the words as they were when the check began
    bool completed = true;
    try {
        events.BeforeSpellCheck();
        int shift = offset;
        forEachWord(source, [&](QStringView token, int position) {
            if (!completed)
                return;
            if (events.OnCheckCancel()) {
                completed = false;
                return;
            }
            int startPos = position + shift;
            const QStringView word = TrimWord(token, startPos);
            const int oldLength = int(word.size());
            switch (lookUp(word, *m_check->main, m_check->custom)) {
            case Lookup::Skipped:
            case Lookup::Ignored:
                return;
            case Lookup::Known:
                events.OnWordFound(word);
                return;
            case Lookup::Unknown:
                break;
            }
            QString unknown = word.toString();
            events.OnClearSoundLike();
            forEachSuggestion(unknown, *m_check->main, m_check->custom, [&](QStringView suggestion) {
                events.OnSoundLikeFound(suggestion);
                return true;
            });
            events.OnWordNotFound(unknown, startPos, oldLength);
            shift += int(unknown.size()) - oldLength;
            events.OnClearSoundLike();
        });
    } catch (...) {
        // Not a scope guard: saving the custom words may throw in turn.
        finishCheck(events); // a handler's error still ends the check and saves the custom words
        throw;
    }
    finishCheck(events);
    return completed;
}

void SpellChecker::finishCheck(SpellEvents &events)
{
    const CustomWords custom = std::move(m_check->custom);
    const bool added = custom.entries().size() != m_check->customAtStart;
    m_check.reset();
    events.AfterSpellCheck();
    // The file is written back as a check ends; when it already holds exactly these entries as
    // written here, writing would give the same bytes, so a run of many small checks skips it.
    // The file is read again just before: words added there during the check stay.
    if (!CustomDictionary.isEmpty() && (added || !m_cache.customAsWritten(CustomDictionary)))
        writeCustom(CustomWords(mergedWithFile(CustomDictionary, custom.entries())));
}

void SpellChecker::writeCustom(const CustomWords &words)
{
    writeDictionaryLines(CustomDictionary, words.entries());
    m_cache.customWritten(CustomDictionary, words);
}

void SpellChecker::AddToCustomDictionary(const QString &word)
{
    if (CustomDictionary.isEmpty())
        throw DictionaryError(noCustomDictionaryText());
    if (m_check) {
        m_check->custom.append(word);
        return;
    }
    QStringList entries = mergedWithFile(CustomDictionary, {});
    entries.append(word);
    writeCustom(CustomWords(entries));
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
