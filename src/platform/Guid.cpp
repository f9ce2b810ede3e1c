#include "Guid.h"

#include <cctype>

namespace corvane::platform {

QString guidText(const QUuid &id)
{
    return id.toString(QUuid::WithBraces).toUpper();
}

QString newGuidText()
{
    return guidText(QUuid::createUuid());
}

bool isWellFormedGuidText(const QString &text)
{
    if (text.size() != 38 || text.front() != u'{' || text.back() != u'}')
        return false;
    for (int i = 1; i < 37; ++i) {
        const QChar c = text.at(i);
        const bool dash = (i == 9 || i == 14 || i == 19 || i == 24);
        if (dash) {
            if (c != u'-')
                return false;
        } else if (!std::isxdigit(static_cast<unsigned char>(c.toLatin1())) || c.unicode() > 0x7f) {
            return false;
        }
    }
    return true;
}

std::optional<QUuid> parseGuidText(const QString &text)
{
    if (!isWellFormedGuidText(text))
        return std::nullopt;
    return QUuid::fromString(text);
}

} // namespace corvane::platform
