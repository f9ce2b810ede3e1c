#pragma once

namespace corvane::ui {

// Width of a path field while the mouse rests on it: wide enough to show its text plus a 10 px
// margin, but never past the right edge of its parent and never narrower than its design width.
// left is the field's left edge in its parent; parentWidth the parent's width.
int grownFieldWidth(int textWidth, int left, int parentWidth, int designWidth);

} // namespace corvane::ui
