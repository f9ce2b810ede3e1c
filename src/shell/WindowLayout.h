#pragma once

namespace corvane::shell::layout {

// The main window's layout rules, applied on every resize. Halves round toward zero.

// Left edge that centres a control of the given width in a container.
int centredLeft(int containerWidth, int width);
// The Address Edit pane's buttons sit in two columns 43 px left and right of the centre:
// Previous and New on the left, Save and Next on the right.
int addressButtonLeft(int paneWidth, int buttonWidth, bool rightColumn);
// The compose pane's recipient and attachment boxes: shortened to end at the pane's edge when they
// would stick out and at least 50 px remain; otherwise 150 px wide.
int composeBoxWidth(int left, int width, int paneWidth);

} // namespace corvane::shell::layout
