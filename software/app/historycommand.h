// velmora-upgrade --history csv|json: the history on standard output, for
// scripts and spreadsheets, without a window (no display needed).
#pragma once

// Runs the command and returns the process's exit status: 0 when every
// record was printed, 1 when the history could not be read, 2 for an unknown
// format.
int printHistory(int argc, char *argv[]);
