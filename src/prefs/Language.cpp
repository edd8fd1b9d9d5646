#include "prefs/Language.h"

#include "store/Settings.h"

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace prefs {
namespace {

const QString section = u"Option"_s;
const QString key = u"Langue"_s;

const std::array<std::pair<Language, QString>, 3> names{{
    {Language::French, u"fr"_s},
    {Language::English, u"en"_s},
    {Language::System, u"system"_s},
}};

} // namespace

Language savedLanguage() {
    const QString saved = settings::GetSetting(section, key, QString());
    for (const auto& [language, name] : names) {
        if (saved == name)
            return language;
    }
    return Language::French;
}

void saveLanguage(Language language) {
    for (const auto& [known, name] : names) {
        if (known == language)
            settings::SaveSetting(section, key, name);
    }
}

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
