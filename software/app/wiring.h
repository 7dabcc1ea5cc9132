// Joins the workflow to the window: status texts, progress runs and the
// install button follow SM_B, the button drives SM_B, Q/Escape stop the tool,
// Ctrl+L shows and hides the log window.
#pragma once

#include "payload.h"

#include <QString>

class QApplication;

// Makes every connection; mainWindow, logWindow, sm_A and sm_B exist and sm_B
// has not started.
void wireWorkflow(QApplication &application);

// Instead of starting the workflow: the payload is not what the build made, so
// the status line says why nothing can be done and the button stays disabled.
void refuseToWrite(PayloadState state);

// The status text naming the connected device's model and firmware revision.
QString deviceRevisionText();

// Asks the worker to stop and waits for it, at most limitMs; true when it ended.
bool stopWorker(unsigned long limitMs);
