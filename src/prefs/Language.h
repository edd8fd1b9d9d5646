#pragma once

#include <QLocale>

// The language of the interface: French (the default), English, or the system's (French when it
// is French, English otherwise, the only other language there is).
namespace prefs {

enum class Language { French, English, System };

// Whether the interface is to be in English, for this language and the system's locale.
bool speaksEnglish(Language language, const QLocale& system = QLocale::system());

} // namespace prefs
