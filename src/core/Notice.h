#pragma once

#include <QString>

namespace corvane::core {

// Something the user must read, worded by the logic; the window decides how to show it.
struct Notice
{
    enum class Kind { Information, Warning, Error };
    Kind kind = Kind::Information;
    QString text;
    bool beep = false; // sound the exclamation beep before showing it

    bool operator==(const Notice &) const = default;
};

} // namespace corvane::core
