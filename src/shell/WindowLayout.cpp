#include "WindowLayout.h"

namespace corvane::shell::layout {

int centredLeft(int containerWidth, int width)
{
    return containerWidth / 2 - width / 2;
}

int addressButtonLeft(int paneWidth, int buttonWidth, bool rightColumn)
{
    return centredLeft(paneWidth, buttonWidth) + (rightColumn ? 43 : -43);
}

int composeBoxWidth(int left, int width, int paneWidth)
{
    if (left + width > paneWidth && paneWidth - left >= 50)
        return paneWidth - left;
    return 150;
}

} // namespace corvane::shell::layout
