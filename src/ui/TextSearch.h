#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

// Finding messages by the words a user types: texts folded for matching without regard to case or
// accents, and an index of many messages' folded texts searched word by word.
namespace corvane::ui {

// Appends the text folded for matching, as UTF-8: compatibility-decomposed (NFKD), combining marks
// dropped, case-folded, and the Latin letters that do not decompose (ß, æ, œ, ø, ł, đ, þ) spelled
// out. "Café", "CAFE" and "cafe\u0301" all fold to "cafe", "Straße" to "strasse".
void appendFolded(QStringView text, QByteArray &out);
QByteArray folded(QStringView text);

// The words of a query (split at white space), folded; words that fold to nothing are left out.
QList<QByteArray> queryWords(QStringView query);

// The folded texts of a list of messages, kept one after the other in one buffer, each followed by
// a line end. A word never holds a line end, so a word found lies within one message.
class SearchIndex
{
public:
    void clear();
    void reserve(qsizetype bytes) { m_text.reserve(bytes); }
    // Adds the next message from its texts (fields joined by line ends).
    void append(const QList<QStringView> &texts);
    // Adds the next message from text folded before.
    void appendFolded(QByteArrayView foldedText);

    int count() const { return int(m_ends.size()); }
    qsizetype size() const { return m_text.size(); }
    // The folded text of a message, without its line end.
    QByteArrayView textOf(int message) const;

    // Sets hits[m] for every message m with within[m] set whose text holds the word. Both have
    // count() entries; withinCount is the number of set entries of within.
    void markHits(QByteArrayView word, const std::vector<char> &within, qsizetype withinCount,
                  std::vector<char> &hits) const;

private:
    qsizetype startOf(int message) const { return message == 0 ? 0 : m_ends[message - 1] + 1; }

    QByteArray m_text;
    std::vector<qsizetype> m_ends; // where each message's line end lies
};

// The messages of a list that hold every word of a query, each word in any of the fields or the
// body. The fields (sender or recipients, subject, attachment names) are indexed at once; the
// bodies when their plain texts are known. When a query only adds to the last one, only the
// messages the last one kept are searched again.
class MessageSearch
{
public:
    // Replaces the fields of every message and forgets the bodies.
    void setFields(SearchIndex fields);
    // The bodies, in the same order as the fields.
    void setBodies(SearchIndex bodies);
    void forgetBodies();
    bool bodiesKnown() const { return m_bodiesKnown; }
    int count() const { return m_fields.count(); }

    // One entry per message: set when the message holds every word. An empty query keeps all.
    const std::vector<char> &match(QStringView query);

private:
    void forgetLastMatch();

    SearchIndex m_fields;
    SearchIndex m_bodies;
    bool m_bodiesKnown = false;
    bool m_lastValid = false;
    QByteArray m_lastQuery; // the folded words joined by spaces
    std::vector<char> m_last;
};

} // namespace corvane::ui
