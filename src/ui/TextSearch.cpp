#include "TextSearch.h"

#include <QStringList>

#include <algorithm>
#include <cstring>
#include <functional>

namespace corvane::ui {

namespace {

void appendUtf8(char32_t code, QByteArray &out)
{
    if (code < 0x80) {
        out.append(char(code));
    } else if (code < 0x800) {
        out.append(char(0xC0 | (code >> 6)));
        out.append(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.append(char(0xE0 | (code >> 12)));
        out.append(char(0x80 | ((code >> 6) & 0x3F)));
        out.append(char(0x80 | (code & 0x3F)));
    } else {
        out.append(char(0xF0 | (code >> 18)));
        out.append(char(0x80 | ((code >> 12) & 0x3F)));
        out.append(char(0x80 | ((code >> 6) & 0x3F)));
        out.append(char(0x80 | (code & 0x3F)));
    }
}

bool isMark(char32_t code)
{
    switch (QChar::category(code)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing: return true;
    default: return false;
    }
}

// Latin letters that no decomposition takes apart but that readers take for letters with accents.
const char *latinSpelling(char32_t code)
{
    switch (code) {
    case U'\u00DF': return "ss"; // ß
    case U'\u00E6': return "ae"; // æ
    case U'\u0153': return "oe"; // œ
    case U'\u00F8': return "o";  // ø
    case U'\u0142': return "l";  // ł
    case U'\u0111': return "d";  // đ
    case U'\u00FE': return "th"; // þ
    default: return nullptr;
    }
}

// Folds a run of characters beyond ASCII: decomposition, marks dropped, case folding.
void appendFoldedRun(QStringView run, QByteArray &out)
{
    const QString decomposed = run.toString().normalized(QString::NormalizationForm_KD);
    for (const char32_t code : decomposed.toUcs4()) {
        if (isMark(code))
            continue;
        const char32_t foldedCode = QChar::toCaseFolded(code);
        if (const char *spelling = latinSpelling(foldedCode))
            out.append(spelling);
        else if (foldedCode < 0x80)
            out.append(char(foldedCode >= 'A' && foldedCode <= 'Z' ? foldedCode + 32 : foldedCode));
        else
            appendUtf8(foldedCode, out);
    }
}

// Where the word first lies in [from, to), or null.
const char *find(const char *from, const char *to, QByteArrayView word)
{
    if (word.size() == 1)
        return static_cast<const char *>(std::memchr(from, word.front(), size_t(to - from)));
#if defined(__GLIBC__)
    // glibc's memmem is the fastest search at hand for short words (two bytes at a time).
    return static_cast<const char *>(memmem(from, size_t(to - from), word.data(), size_t(word.size())));
#else
    const char *found = std::search(from, to, std::boyer_moore_horspool_searcher(word.begin(), word.end()));
    return found == to ? nullptr : found;
#endif
}

} // namespace

void appendFolded(QStringView text, QByteArray &out)
{
    // Mail is mostly ASCII: each run of it is lowered in place, one byte a character.
    const qsizetype size = text.size();
    const char16_t *data = text.utf16();
    qsizetype i = 0;
    while (i < size) {
        qsizetype end = i;
        while (end < size && data[end] < 0x80)
            ++end;
        if (end > i) {
            const qsizetype at = out.size();
            out.resize(at + (end - i));
            char *to = out.data() + at;
            for (qsizetype k = i; k < end; ++k) {
                const char16_t c = data[k];
                *to++ = char(c >= u'A' && c <= u'Z' ? c + 32 : c);
            }
            i = end;
        }
        while (end < size && data[end] >= 0x80)
            ++end;
        if (end > i) {
            appendFoldedRun(text.sliced(i, end - i), out);
            i = end;
        }
    }
}

QByteArray folded(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    appendFolded(text, out);
    return out;
}

QList<QByteArray> queryWords(QStringView query)
{
    QList<QByteArray> words;
    // simplified() turns every run of white space into one space.
    for (const QString &word : query.toString().simplified().split(u' ', Qt::SkipEmptyParts)) {
        QByteArray foldedWord = folded(word);
        if (!foldedWord.isEmpty())
            words.append(std::move(foldedWord));
    }
    return words;
}

void SearchIndex::clear()
{
    m_text.clear();
    m_ends.clear();
}

void SearchIndex::append(const QList<QStringView> &texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i > 0)
            m_text.append('\n');
        ui::appendFolded(texts[i], m_text);
    }
    m_ends.push_back(m_text.size());
    m_text.append('\n');
}

void SearchIndex::appendFolded(QByteArrayView foldedText)
{
    m_text.append(foldedText);
    m_ends.push_back(m_text.size());
    m_text.append('\n');
}

QByteArrayView SearchIndex::textOf(int message) const
{
    const qsizetype start = startOf(message);
    return QByteArrayView(m_text.constData() + start, m_ends[message] - start);
}

void SearchIndex::markHits(QByteArrayView word, const std::vector<char> &within, qsizetype withinCount,
                           std::vector<char> &hits) const
{
    if (word.isEmpty() || withinCount == 0)
        return;
    const char *text = m_text.constData();
    const auto holds = [&](qsizetype from, qsizetype to) { return find(text + from, text + to, word) != nullptr; };
    const int messages = count();
    if (withinCount * 4 < messages) {
        // Few messages left: search only those.
        for (int m = 0; m < messages; ++m) {
            if (within[m] && !hits[m] && holds(startOf(m), m_ends[m]))
                hits[m] = 1;
        }
        return;
    }
    // Many left: one pass over the whole text, going on after each message found.
    const char *const end = text + m_text.size();
    const char *from = text;
    int m = 0;
    while (from < end) {
        const char *found = find(from, end, word);
        if (!found)
            break;
        const qsizetype at = found - text;
        while (m < messages && m_ends[m] < at)
            ++m;
        if (m == messages)
            break;
        if (within[m])
            hits[m] = 1;
        from = text + m_ends[m] + 1;
    }
}

void MessageSearch::setFields(SearchIndex fields)
{
    m_fields = std::move(fields);
    forgetBodies();
}

void MessageSearch::setBodies(SearchIndex bodies)
{
    m_bodies = std::move(bodies);
    m_bodiesKnown = m_bodies.count() == m_fields.count();
    if (!m_bodiesKnown)
        m_bodies.clear();
    forgetLastMatch();
}

void MessageSearch::forgetBodies()
{
    m_bodies.clear();
    m_bodiesKnown = false;
    forgetLastMatch();
}

void MessageSearch::forgetLastMatch()
{
    m_lastValid = false;
    m_lastQuery.clear();
}

const std::vector<char> &MessageSearch::match(QStringView query)
{
    const int messages = m_fields.count();
    QList<QByteArray> words = queryWords(query);
    const QByteArray joined = words.join(' ');
    // A query that only adds letters or words keeps at most what the last one kept.
    const bool narrowing = m_lastValid && joined.startsWith(m_lastQuery) && int(m_last.size()) == messages;
    std::vector<char> within = narrowing ? std::move(m_last) : std::vector<char>(size_t(messages), 1);
    qsizetype withinCount = std::count(within.begin(), within.end(), 1);
    // Longer words are rarer: they shrink the list for the others.
    std::stable_sort(words.begin(), words.end(),
                     [](const QByteArray &a, const QByteArray &b) { return a.size() > b.size(); });
    for (const QByteArray &word : words) {
        std::vector<char> hits(size_t(messages), 0);
        m_fields.markHits(word, within, withinCount, hits);
        if (m_bodiesKnown) {
            // Only the messages whose fields lack the word need their bodies searched.
            qsizetype left = 0;
            for (int m = 0; m < messages; ++m) {
                within[m] = within[m] && !hits[m];
                left += within[m];
            }
            m_bodies.markHits(word, within, left, hits);
        }
        within = std::move(hits);
        withinCount = std::count(within.begin(), within.end(), 1);
    }
    m_last = std::move(within);
    m_lastQuery = joined;
    m_lastValid = true;
    return m_last;
}

} // namespace corvane::ui
