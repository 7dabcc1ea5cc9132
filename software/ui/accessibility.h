// What a screen reader makes of the main window: its texts and the install
// button in the order they are read on the screen (steps, status line,
// button), nothing of the drawn circles or of a progress bar that is not
// shown, and each change of the status line spoken.
#pragma once

// Makes the main window and the status line's announcer (the station's
// window announces with it too) known to Qt's accessibility; call before the
// window is built.
void installAccessibility();
