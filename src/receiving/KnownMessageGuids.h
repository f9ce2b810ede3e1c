#pragma once

#include <QSet>
#include <QString>

namespace corvane::receiving {

// The identifiers of the messages already taken in, for recognising a message that arrives a
// second time. Well-formed identifiers compare in their braced upper-case form; any other text
// is kept and compared as it stands, so a malformed identifier never stops the check.
class KnownMessageGuids
{
public:
    static QString key(const QString &guidText);
    static const QString &zeroGuid();

    bool isEmpty() const { return m_keys.isEmpty(); }
    int size() const { return int(m_keys.size()); }
    void add(const QString &guidText) { m_keys.insert(key(guidText)); }
    bool contains(const QString &guidText) const { return m_keys.contains(key(guidText)); }
    void clear() { m_keys.clear(); }

private:
    QSet<QString> m_keys;
};

} // namespace corvane::receiving
