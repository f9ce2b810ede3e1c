#include "Dictionary.h"

#include "WordRules.h"

#include "platform/FileIo.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QVarLengthArray>

namespace corvane::spell {

QString readDictionaryText(const QString &path)
{
    const QFileInfo info(path);
    if (info.size() > kMaxDictionaryBytes)
        throw DictionaryError(QCoreApplication::translate("corvane::spell::Dictionary",
                                                          "The dictionary %1 is larger than 64 MB; it is not read.")
                                  .arg(path));
    const QByteArray bytes = platform::readWholeFile(path, kMaxDictionaryBytes);
    if (bytes.contains('\0'))
        throw DictionaryError(QCoreApplication::translate("corvane::spell::Dictionary",
                                                          "The dictionary %1 is not a word list: it holds binary data.")
                                  .arg(path));
    return platform::decodeUtf8OrWindows1252(bytes);
}

QStringList dictionaryLines(const QString &text)
{
    QStringList entries;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && text[i] != u'\r' && text[i] != u'\n')
            continue;
        if (i > start)
            entries.append(text.sliced(start, i - start));
        if (i + 1 < n && text[i] == u'\r' && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return entries;
}

void writeDictionaryLines(const QString &path, const QStringList &entries)
{
    QString text;
    for (const QString &entry : entries)
        text += entry + QStringLiteral("\r\n");
    // A custom dictionary may be one that several users share.
    platform::writeFileAtomically(path, platform::encodeWindows1252OrUtf8(text), platform::Access::Shared);
}

QStringList mergedWithFile(const QString &path, const QStringList &ours)
{
    QStringList merged;
    if (QFileInfo(path).isFile())
        merged = dictionaryLines(readDictionaryText(path));
    QHash<QString, int> onFile;
    for (const QString &entry : std::as_const(merged))
        ++onFile[entry];
    for (const QString &entry : ours) {
        const auto it = onFile.find(entry);
        if (it != onFile.end() && *it > 0)
            --*it;
        else
            merged.append(entry);
    }
    return merged;
}

void foldInto(QStringView word, QChar *out)
{
    const qsizetype n = word.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = word[i].unicode();
        if (c < 0x80) {
            out[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && word[i + 1].isLowSurrogate()) {
            const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(c, word[i + 1].unicode()));
            out[i] = QChar(QChar::highSurrogate(folded));
            out[i + 1] = QChar(QChar::lowSurrogate(folded));
            ++i;
        } else {
            out[i] = QChar(char16_t(QChar::toCaseFolded(char32_t(c))));
        }
    }
}

QString foldedWord(QStringView word)
{
    QString folded(word.size(), Qt::Uninitialized);
    foldInto(word, folded.data());
    return folded;
}

FileStamp FileStamp::of(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified()};
}

namespace {

std::size_t tableSize(std::size_t entries)
{
    std::size_t size = 16;
    while (size < entries * 2)
        size *= 2;
    return size;
}

std::size_t hashOf(QStringView text)
{
    return qHash(text, 0);
}

} // namespace

MainDictionary::MainDictionary(const QString &text) : m_text(text), m_folded(text.size(), Qt::Uninitialized)
{
    foldInto(m_text, m_folded.data());
    m_words.reserve(std::size_t(text.size() / 8));
    forEachWord(m_text, [&](QStringView word, int position) { m_words.push_back({position, int(word.size())}); });

    // Folded forms: a set of word indexes.
    m_foldedSlots.assign(tableSize(m_words.size()), 0);
    const std::size_t foldedMask = m_foldedSlots.size() - 1;
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        const QStringView folded = foldedAt(qsizetype(i));
        for (std::size_t slot = hashOf(folded) & foldedMask;; slot = (slot + 1) & foldedMask) {
            const std::uint32_t entry = m_foldedSlots[slot];
            if (entry == 0) {
                m_foldedSlots[slot] = std::uint32_t(i + 1);
                break;
            }
            if (foldedAt(entry - 1) == folded)
                break; // a duplicate: already there
        }
    }

    // Phonetic codes: one bucket per distinct code, each word's bucket, then the words of each
    // bucket in file order in one flat array.
    m_codeSlots.assign(tableSize(m_words.size()), 0);
    const std::size_t codeMask = m_codeSlots.size() - 1;
    std::vector<std::uint32_t> bucketOf(m_words.size());
    std::vector<int> counts;
    QVarLengthArray<QChar, 64> buffer;
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        const QStringView w = word(qsizetype(i));
        buffer.resize(w.size());
        const QStringView code(buffer.data(), soundLikeCodeInto(w, buffer.data()));
        std::size_t slot = hashOf(code) & codeMask;
        for (;; slot = (slot + 1) & codeMask) {
            const std::uint32_t entry = m_codeSlots[slot];
            if (entry == 0) {
                m_codeSpans.push_back({int(m_codes.size()), int(code.size())});
                m_codes += code;
                counts.push_back(0);
                m_codeSlots[slot] = std::uint32_t(m_codeSpans.size());
                break;
            }
            if (codeAt(entry - 1) == code)
                break;
        }
        bucketOf[i] = m_codeSlots[slot] - 1;
        ++counts[bucketOf[i]];
    }
    m_bucketStart.assign(counts.size() + 1, 0);
    for (std::size_t b = 0; b < counts.size(); ++b)
        m_bucketStart[b + 1] = m_bucketStart[b] + counts[b];
    m_byCode.resize(m_words.size());
    std::vector<int> next(m_bucketStart.begin(), m_bucketStart.end() - 1);
    for (std::size_t i = 0; i < m_words.size(); ++i)
        m_byCode[std::size_t(next[bucketOf[i]]++)] = int(i);
}

bool MainDictionary::containsFolded(QStringView folded) const
{
    const std::size_t mask = m_foldedSlots.size() - 1;
    for (std::size_t slot = hashOf(folded) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t entry = m_foldedSlots[slot];
        if (entry == 0)
            return false;
        if (foldedAt(entry - 1) == folded)
            return true;
    }
}

std::span<const int> MainDictionary::withCode(QStringView code) const
{
    const std::size_t mask = m_codeSlots.size() - 1;
    for (std::size_t slot = hashOf(code) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t entry = m_codeSlots[slot];
        if (entry == 0)
            return {};
        if (codeAt(entry - 1) == code) {
            const std::size_t b = entry - 1;
            return std::span<const int>(m_byCode).subspan(std::size_t(m_bucketStart[b]),
                                                          std::size_t(m_bucketStart[b + 1] - m_bucketStart[b]));
        }
    }
}

CustomWords::CustomWords(const QStringList &entries)
{
    for (const QString &entry : entries)
        append(entry);
}

void CustomWords::append(const QString &entry)
{
    m_entries.append(entry);
    m_codes.append(SoundLikeCode(entry));
    ++m_folded[foldedWord(entry)];
}

std::shared_ptr<const MainDictionary> DictionaryCache::main(const QString &path)
{
    const FileStamp stamp = FileStamp::of(path);
    if (path.isEmpty() || stamp.size < 0 || QFileInfo(path).isDir())
        throw DictionaryError(dictionaryNotFoundText());
    if (m_main && path == m_mainPath && stamp == m_mainStamp)
        return m_main;
    m_main.reset();
    auto dictionary = std::make_shared<const MainDictionary>(readDictionaryText(path));
    m_mainPath = path;
    m_mainStamp = stamp;
    m_main = dictionary;
    return dictionary;
}

const CustomWords &DictionaryCache::custom(const QString &path)
{
    if (path.isEmpty())
        return m_none;
    const FileStamp stamp = FileStamp::of(path);
    if (stamp.size < 0)
        return m_none;
    if (path != m_customPath || stamp != m_customStamp) {
        m_custom = CustomWords(dictionaryLines(readDictionaryText(path)));
        m_customPath = path;
        m_customStamp = stamp;
        m_customWrittenHere = false;
    }
    return m_custom;
}

void DictionaryCache::customWritten(const QString &path, const CustomWords &words)
{
    m_customPath = path;
    m_customStamp = FileStamp::of(path);
    m_custom = words;
    m_customWrittenHere = true;
}

bool DictionaryCache::customAsWritten(const QString &path) const
{
    return m_customWrittenHere && path == m_customPath && FileStamp::of(path) == m_customStamp;
}

} // namespace corvane::spell
