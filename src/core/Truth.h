#pragma once

#include <QString>

namespace corvane::core {

// The texts a flag is written as in message files, stores and the address list.
inline const QString kTrue = QStringLiteral("True");
inline const QString kFalse = QStringLiteral("False");

inline QString truthText(bool value)
{
    return value ? kTrue : kFalse;
}

// Only "True" itself reads as true, as peers write it.
inline bool isTrue(const QString &text)
{
    return text == kTrue;
}

} // namespace corvane::core
