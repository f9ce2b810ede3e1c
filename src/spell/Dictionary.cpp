#include "Dictionary.h"

#include "WordRules.h"

#include "platform/FileIo.h"
#include "platform/TextCodec.h"

#include <QFileInfo>

namespace corvane::spell {

QString readDictionaryText(const QString &path)
{
    const QFileInfo info(path);
    if (info.size() > kMaxDictionaryBytes)
        throw DictionaryError(QStringLiteral("The dictionary %1 is larger than 64 MB; it is not read.").arg(path));
    const QByteArray bytes = platform::readWholeFile(path, kMaxDictionaryBytes);
    if (bytes.contains('\0'))
        throw DictionaryError(QStringLiteral("The dictionary %1 is not a word list: it holds binary data.").arg(path));
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
    platform::writeFileAtomically(path, platform::encodeWindows1252OrUtf8(text));
}

QString foldedWord(QStringView word)
{
    return word.toString().toCaseFolded();
}

FileStamp FileStamp::of(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified()};
}

MainDictionary::MainDictionary(const QString &text) : m_text(text)
{
    m_words.reserve(std::size_t(text.size() / 8));
    forEachWord(m_text, [&](QStringView word, int position) { m_words.emplace_back(position, int(word.size())); });
    m_folded.reserve(qsizetype(m_words.size()));
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        const QStringView w = word(qsizetype(i));
        m_folded.insert(foldedWord(w));
        m_byCode[SoundLikeCode(w)].push_back(int(i));
    }
}

const std::vector<int> *MainDictionary::withCode(const QString &code) const
{
    const auto it = m_byCode.constFind(code);
    return it == m_byCode.cend() ? nullptr : &*it;
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
        throw DictionaryError(kDictionaryNotFound);
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
    }
    return m_custom;
}

void DictionaryCache::customWritten(const QString &path, const CustomWords &words)
{
    m_customPath = path;
    m_customStamp = FileStamp::of(path);
    m_custom = words;
}

} // namespace corvane::spell
