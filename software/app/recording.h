// The history's place in the tool: every write the worker starts is stored as
// "in progress" before dfu-util touches the flash and completed once its
// outcome is known, every verification without a write is recorded too, the
// shared server gets what is finished, and Ctrl+H shows the History window.
#pragma once

// Opens the local history (what a dead process left in progress becomes
// "interrupted"), starts sending to the shared server when one is named, and
// connects the workflow and the main window. sm_A and sm_B exist, the worker
// has not started. Never fails: without a history the upgrade works as before.
void startHistory();

// At the end of the tool: an attempt whose device left after the write and
// did not come back is "written but not verified"; the sending thread ends.
void finishHistory();

// Shows the History window, or hides it when it is shown.
void toggleHistoryWindow();

class Station;
// The same for a station: every device's attempt and verification, by the
// station's own number of the device.
void startStationHistory(Station *station);
