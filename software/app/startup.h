// Start-up of the tool before the event loop, and its shutdown afterwards.
#pragma once

class QApplication;

// Builds and wires everything and starts the workflow; false when the tool
// cannot work at all (its layout file is unreadable), after saying why.
bool startUp(QApplication &application);

// Stops the workflow and releases it; gives back its argument.
int shutDown(int exitCode);
