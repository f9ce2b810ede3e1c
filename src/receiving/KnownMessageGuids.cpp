#include "KnownMessageGuids.h"

#include "platform/Guid.h"

namespace corvane::receiving {

const QString &KnownMessageGuids::zeroGuid()
{
    static const QString zero = QStringLiteral("{00000000-0000-0000-0000-000000000000}");
    return zero;
}

void KnownMessageGuids::add(const QString &guidText)
{
    if (const std::optional<QUuid> id = platform::parseGuidText(guidText))
        m_ids.insert(*id);
    else
        m_others.insert(guidText);
}

void KnownMessageGuids::addStored(QByteArrayView guidText)
{
    // The usual form, 38 characters in braces, goes straight to its value.
    if (guidText.size() == 38 && guidText.front() == '{' && guidText.back() == '}') {
        const QUuid id = QUuid::fromString(QLatin1StringView(guidText));
        if (!id.isNull() || guidText == QByteArrayView("{00000000-0000-0000-0000-000000000000}")) {
            m_ids.insert(id);
            return;
        }
    }
    add(QString::fromUtf8(guidText));
}

bool KnownMessageGuids::contains(const QString &guidText) const
{
    if (const std::optional<QUuid> id = platform::parseGuidText(guidText))
        return m_ids.contains(*id);
    return m_others.contains(guidText);
}

void KnownMessageGuids::clear()
{
    m_ids.clear();
    m_others.clear();
}

} // namespace corvane::receiving
