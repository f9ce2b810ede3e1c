#pragma once

#include <QSet>
#include <QString>
#include <QUuid>

namespace corvane::receiving {

// The identifiers of the messages already taken in, for recognising a message that arrives a
// second time. Well-formed identifiers are kept as their 128-bit values, so their case does not
// matter and a heavy user's inbox costs little to hold; any other text is kept and compared as it
// stands, so a malformed identifier never stops the check.
class KnownMessageGuids
{
public:
    static const QString &zeroGuid();

    bool isEmpty() const { return m_ids.isEmpty() && m_others.isEmpty(); }
    int size() const { return int(m_ids.size() + m_others.size()); }
    void add(const QString &guidText);
    // The same for an identifier as stored (UTF-8), without making a string of it first.
    void addStored(QByteArrayView guidText);
    bool contains(const QString &guidText) const;
    void clear();

private:
    QSet<QUuid> m_ids;
    QSet<QString> m_others;
};

} // namespace corvane::receiving
