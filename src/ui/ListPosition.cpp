#include "ui/ListPosition.h"

namespace corvane::ui {

std::optional<int> positionOfNumber(const QString &numberText, int count)
{
    bool ok = false;
    const int number = numberText.trimmed().toInt(&ok);
    if (!ok || number < 1 || number > count)
        return std::nullopt;
    return number - 1;
}

} // namespace corvane::ui
