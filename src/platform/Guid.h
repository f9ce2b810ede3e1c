#pragma once

#include <QString>
#include <QUuid>

#include <optional>

namespace corvane::platform {

// Message identifiers: 38 characters, braced, upper-case hexadecimal in groups 8-4-4-4-12.
QString guidText(const QUuid &id);
QString newGuidText();
// Parses the braced form (any letter case); none for anything else.
std::optional<QUuid> parseGuidText(const QString &text);
bool isWellFormedGuidText(const QString &text);

} // namespace corvane::platform
