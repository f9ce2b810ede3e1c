#pragma once

#include "platform/Errors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace corvane::spell {

// A dictionary that is missing, unreadable or not a word list. The message is ready for the user.
class DictionaryError : public Error
{
public:
    using Error::Error;
};

inline QString dictionaryNotFoundText()
{
    return QCoreApplication::translate("corvane::spell::Dictionary", "Dictionary Not Found");
}
inline QString noCustomDictionaryText()
{
    return QCoreApplication::translate("corvane::spell::Dictionary", "Custom dictionary has not been specified");
}

// Larger dictionary files are refused rather than read into memory whole.
inline constexpr qint64 kMaxDictionaryBytes = qint64(64) * 1024 * 1024;

// Reads a dictionary file as text: UTF-8 when valid, windows-1252 otherwise. Throws
// DictionaryError for a binary file or one over kMaxDictionaryBytes, IoError when unreadable.
QString readDictionaryText(const QString &path);

// The lines of a word list file (the custom dictionary): one entry a line (CR LF, LF or CR), taken whole; blank lines are
// no words and are dropped.
QStringList dictionaryLines(const QString &text);

// Writes a word list file atomically (the custom dictionary), one entry a line with CR LF, in windows-1252 when every
// entry fits and UTF-8 otherwise. Throws WriteError.
void writeDictionaryLines(const QString &path, const QStringList &entries);

// The word list file at path as it is now, followed by the entries of `ours` it lacks, counted one
// by one (an entry ours holds twice and the file once is added once). So words another program or
// a hand edit put in the file since it was read stay when ours are written back. Throws as
// readDictionaryText does.
QStringList mergedWithFile(const QString &path, const QStringList &ours);

// The case-folded form under which words are compared: simple Unicode case folding of each
// character, so the length stays (as case-insensitive comparison of Qt strings folds).
QString foldedWord(QStringView word);
void foldInto(QStringView word, QChar *out);

// Size and modification time of a file: the index of a dictionary is kept while they stay.
struct FileStamp
{
    qint64 size = -1;
    QDateTime modified;
    static FileStamp of(const QString &path);
    bool operator==(const FileStamp &) const = default;
};

// The main dictionary's words in file order, indexed by case-folded form and by phonetic code.
// Built once per file in a few flat arrays, so that neither building nor looking up allocates
// per word.
class MainDictionary
{
public:
    explicit MainDictionary(const QString &text);

    qsizetype size() const { return qsizetype(m_words.size()); }
    QStringView word(qsizetype index) const { return QStringView(m_text).sliced(m_words[index].start, m_words[index].length); }
    bool containsFolded(QStringView folded) const;
    // Indexes of the words whose phonetic code is `code`, in file order (duplicates included).
    std::span<const int> withCode(QStringView code) const;

private:
    struct Span
    {
        int start;
        int length;
    };
    QStringView foldedAt(qsizetype index) const { return QStringView(m_folded).sliced(m_words[index].start, m_words[index].length); }
    QStringView codeAt(std::size_t bucket) const { return QStringView(m_codes).sliced(m_codeSpans[bucket].start, m_codeSpans[bucket].length); }

    QString m_text;
    QString m_folded; // m_text folded, character for character
    std::vector<Span> m_words;
    std::vector<std::uint32_t> m_foldedSlots; // open addressing: word index + 1, 0 when free
    QString m_codes;                          // every distinct code, one after the other
    std::vector<Span> m_codeSpans;            // each bucket's code in m_codes
    std::vector<std::uint32_t> m_codeSlots;   // open addressing: bucket + 1
    std::vector<int> m_bucketStart;           // bucket b's words are m_byCode[start[b] .. start[b + 1])
    std::vector<int> m_byCode;
};

// The custom dictionary's entries while they are in use, with their folded forms and codes.
class CustomWords
{
public:
    CustomWords() = default;
    explicit CustomWords(const QStringList &entries);

    const QStringList &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const QString &code(qsizetype index) const { return m_codes[index]; }
    bool containsFolded(const QString &folded) const { return m_folded.contains(folded); }
    void append(const QString &entry);

private:
    QStringList m_entries;
    QStringList m_codes;
    QHash<QString, int> m_folded; // folded form → how many entries have it
};

// Loads dictionaries and keeps each while its file's size and modification time stay the same.
class DictionaryCache
{
public:
    // The main dictionary at path. Throws DictionaryError ("Dictionary Not Found" when missing).
    std::shared_ptr<const MainDictionary> main(const QString &path);
    // The custom dictionary at path; empty when the path is empty or the file missing.
    const CustomWords &custom(const QString &path);
    // Records what was just written to the custom dictionary, so it is not read back.
    void customWritten(const QString &path, const CustomWords &words);
    // The file at path still holds exactly what customWritten() last put there.
    bool customAsWritten(const QString &path) const;

private:
    QString m_mainPath;
    FileStamp m_mainStamp;
    std::shared_ptr<const MainDictionary> m_main;
    QString m_customPath;
    FileStamp m_customStamp;
    CustomWords m_custom;
    bool m_customWrittenHere = false;
    CustomWords m_none;
};

} // namespace corvane::spell
