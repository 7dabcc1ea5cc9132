// The tool as a station (--station): every attached device at once, in the
// station window, instead of the guided window for one device.
#pragma once

class QApplication;

// Unpacks and checks what the tool carries, opens the station window and
// starts watching the bus; false when the tool cannot work at all.
bool startStation(QApplication &application);

// A termination signal: running writes are finished first (a second signal
// ends the tool at once).
void stationTerminationSignal(QApplication &application, const char *name);

// Releases the station once the event loop has ended; gives back its argument.
int shutDownStation(int exitCode);
