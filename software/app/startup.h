// Start-up of the tool before the event loop, and its shutdown afterwards.
#pragma once

class QApplication;

void startUp(QApplication &application);
