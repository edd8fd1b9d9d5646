#pragma once

#include "platform/TriggerButton.h"
#include "prefs/Language.h"
#include "recognition/RecognitionMode.h"
#include "store/Failure.h"

#include <QStringList>

#include <initializer_list>
#include <optional>

// Every user setting, read through one typed struct. Each is declared once, in Preferences.cpp:
// its section and key in the settings store, its default, how its stored text reads and writes.
// What is missing is the default; what is not understood is the default too, except for the
// sensitivities, which are then nothing (the sliders keep where they stand).
namespace prefs {

struct Preferences {
    // "Configuration": the sliders' positions, 0 to 100.
    std::optional<int> blackSensitivity = 50;   // "Sensibility"
    std::optional<int> contourSensitivity = 60; // "Sensibility2"
    // "Option"
    bool stretch = false;   // "Etire": kept for other programs, unused here
    bool frameShown = true; // "Grid": any number but 0, or no number
    bool nameShown = true;  // "Nom": 1, or no number
    RecognitionMode recognition = RecognitionMode::Default; // "Precise": "1" is precise
    int gesturesHelped = 0; // "AideGestes": gestures that showed the line of help, up to a few
    // "Bouton" (2, 8, 9), "Modificateur" ("Maj"…), "Exclusions", "ClicRestitue" ("0" off)
    TriggerSettings trigger;
    Language language = Language::French; // "Langue": "fr", "en" or "system"
    bool closeKeepsInTray = false; // "FermerVersZone": closing hides to the notification area
    bool closeExplained = false;   // "FermetureExpliquee": the user was told closing ends it
    // "BoutonExplique": the user was told how to let Gestrix read the button (Wayland)
    bool triggerAccessExplained = false;
    // "SansZoneExpliquee": the user was told where Gestrix is when the desktop has no
    // notification area
    bool noTrayExplained = false;
};

enum class Setting {
    BlackSensitivity,
    ContourSensitivity,
    Stretch,
    Frame,
    Name,
    Recognition,
    GesturesHelped,
    TriggerButton,
    PassThrough,
    Exclusions,
    ClicksGivenBack,
    Language,
    CloseKeepsInTray,
    CloseExplained,
    TriggerAccessExplained,
    NoTrayExplained,
};

// The settings the preferences dialog shows and saves.
inline constexpr std::initializer_list<Setting> dialogSettings = {
    Setting::Stretch,       Setting::Frame,           Setting::Name,       Setting::Recognition,
    Setting::TriggerButton, Setting::PassThrough,     Setting::Exclusions, Setting::ClicksGivenBack,
    Setting::Language,      Setting::CloseKeepsInTray};

Preferences load();
// Writes these settings of preferences; an Io failure when the settings file refused them.
Outcome<SaveError> save(const Preferences& preferences, std::initializer_list<Setting> which);

// What of the dialog's choices could not be saved.
enum class PreferencesError {
    SettingsFile, // the settings file refused the write
    Autostart,    // the autostart entry could not be written or removed
};
// The dialog's OK: its settings, and starting with the session (a file of its own). Both are
// tried; the first failure is told.
Outcome<PreferencesError> saveChosen(const Preferences& chosen, bool startWithSession);

// Window classes written as the user types them: separated by commas, blanks around ignored.
QStringList classesFromText(const QString& text);
QString classesAsText(const QStringList& classes);
// The exclusions' text with a picked window's class (the last of its WM_CLASS names) added,
// unless either of its names is there already.
QString withWindowClass(const QString& text, const QStringList& windowClass);

} // namespace prefs
