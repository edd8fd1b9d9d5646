#include "prefs/Language.h"

namespace prefs {

bool speaksEnglish(Language language, const QLocale& system) {
    switch (language) {
    case Language::French:
        return false;
    case Language::English:
        return true;
    case Language::System:
        break;
    }
    return system.language() != QLocale::French;
}

} // namespace prefs
