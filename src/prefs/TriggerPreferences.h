#pragma once

#include "platform/TriggerButton.h"

// The trigger's settings in the settings store, section "Option": "Bouton" (2, 8 or 9),
// "Modificateur" (the pass-through key: "Maj", "Ctrl", "Alt" or "Aucun") and "Exclusions"
// (window classes, separated by commas). What is missing or not understood is the default:
// the middle button, Maj, no exclusion.
namespace prefs {

TriggerSettings loadTriggerSettings();
void saveTriggerSettings(const TriggerSettings& settings);

// Window classes written as the user types them: separated by commas, blanks around ignored.
QStringList classesFromText(const QString& text);
QString classesAsText(const QStringList& classes);

} // namespace prefs
