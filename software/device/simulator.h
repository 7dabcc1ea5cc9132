// Simulator mode: every dfu-util command is redirected to the script
// dfu-util_simulator.sh, which is told which command it stands in for and gets
// dfu-util's arguments. Nothing else in the tool changes.
#pragma once

#include "toolrunner.h"

#include <QString>

// The simulator folder, "/" and name: the one installed with the tool (found
// relative to the executable), else the one chosen when the tool was built.
QString simulatorPath(const QString &name);

// Redirects one row of the command table to the script.
void configureSimulatorCommand(ToolCommand command, const QString &subCommand, bool fastProgress);

// Redirects every row.
void setupSimulator(bool fastProgress);

// What the script prints for "version": the banner of dfu-util 0.9, whose
// answers it imitates.
QString simulatorVersionBanner();

// Asks the script to set up a prepared device; returns the exit code.
int setupPreparedConfig(const QString &name);
