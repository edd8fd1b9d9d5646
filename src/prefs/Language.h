#pragma once

#include <QLocale>

// The language of the interface, settings "Option"/"Langue": "fr" (French, the default), "en"
// (English) or "system" (the system's: French when it is French, English otherwise, the only
// other language there is). Anything else is French.
namespace prefs {

enum class Language { French, English, System };

Language savedLanguage();
void saveLanguage(Language language);

// Whether the interface is to be in English, for this language and the system's locale.
bool speaksEnglish(Language language, const QLocale& system = QLocale::system());

} // namespace prefs
