#include "FieldGrowth.h"

#include <algorithm>

namespace corvane::ui {

int grownFieldWidth(int textWidth, int left, int parentWidth, int designWidth)
{
    const int wanted = textWidth + 10;
    const int room = parentWidth - left;
    return std::max(designWidth, std::min(wanted, room));
}

} // namespace corvane::ui
