#pragma once

#include "core/Truth.h"

#include <QList>
#include <QString>

namespace corvane::addressbook {

// One resolved delivery or check target.
struct RecipientEntry
{
    QString Name;
    QString Inbox;  // folder path, ending in a separator
    QString Server; // "True" for a server folder, "False" for the person's own inbox

    bool isServer() const { return Server != core::kFalse; }
    bool operator==(const RecipientEntry &) const = default;
};

using RecipientList = QList<RecipientEntry>;

} // namespace corvane::addressbook
