#include "KnownMessageGuids.h"

#include "platform/Guid.h"

namespace corvane::receiving {

QString KnownMessageGuids::key(const QString &guidText)
{
    if (platform::isWellFormedGuidText(guidText))
        return guidText.toUpper();
    return guidText;
}

const QString &KnownMessageGuids::zeroGuid()
{
    static const QString zero = QStringLiteral("{00000000-0000-0000-0000-000000000000}");
    return zero;
}

} // namespace corvane::receiving
