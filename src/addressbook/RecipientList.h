#pragma once

#include <QList>
#include <QString>

namespace corvane::addressbook {

inline const QString kTrue = QStringLiteral("True");
inline const QString kFalse = QStringLiteral("False");

// One resolved delivery or check target.
struct RecipientEntry
{
    QString Name;
    QString Inbox;  // folder path, ending in a separator
    QString Server; // "True" for a server folder, "False" for the person's own inbox

    bool isServer() const { return Server != kFalse; }
    bool operator==(const RecipientEntry &) const = default;
};

using RecipientList = QList<RecipientEntry>;

} // namespace corvane::addressbook
