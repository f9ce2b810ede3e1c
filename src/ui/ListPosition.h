#pragma once

#include <QString>

#include <optional>

namespace corvane::ui {

// The store position a list row names through its number column ("Msg No.": position + 1); nothing
// when the text names no item of a store of `count` items. Lists may be sorted or filtered, so
// commands find their item this way, never by the row's index.
std::optional<int> positionOfNumber(const QString &numberText, int count);

} // namespace corvane::ui
