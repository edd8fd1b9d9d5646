#pragma once

#include "store/Failure.h"

#include <QString>

// Starting Gestrix with the session: a desktop entry in the user's autostart folder
// ($XDG_CONFIG_HOME/autostart/gestrix.desktop) that starts it in the notification area.
namespace prefs::autostart {

QString entryPath();
bool isEnabled();

// Writes the entry (making the folder) or removes it.
Outcome<SaveError> setEnabled(bool enabled);

} // namespace prefs::autostart
