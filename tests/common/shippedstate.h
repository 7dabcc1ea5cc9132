// The application state as the tool fills it at start: the shipped layout
// file and the embedded firmware's T30, revision C3.
#pragma once

#include "guisettings.h"

inline AppState shippedState()
{
    AppState state;
    state.settings = GuiSettings::fromFile(":resources/settings_GUI.json");
    state.desiredName = "T30 data logger application";
    state.desiredType = 30;
    state.desiredRevision = "C3";
    return state;
}
