#pragma once

#include <QString>

#include <optional>

namespace corvane::ui {

// The store position a list row names through its number column ("Msg No.", "Address No.":
// position + 1); nothing when the text names no item of a store of `count` items, an empty cell
// (a row not filled yet) included. Lists may be sorted or filtered, so a row is read this way
// only, never by its index.
std::optional<int> positionOfNumber(const QString &numberText, int count);

} // namespace corvane::ui
