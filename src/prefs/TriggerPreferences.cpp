#include "prefs/TriggerPreferences.h"

#include "store/Settings.h"

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace prefs {
namespace {

const QString section = u"Option"_s;
const QString buttonKey = u"Bouton"_s;
const QString modifierKey = u"Modificateur"_s;
const QString exclusionsKey = u"Exclusions"_s;

const std::array<std::pair<Qt::KeyboardModifier, QString>, 4> modifierNames{{
    {Qt::ShiftModifier, u"Maj"_s},
    {Qt::ControlModifier, u"Ctrl"_s},
    {Qt::AltModifier, u"Alt"_s},
    {Qt::NoModifier, u"Aucun"_s},
}};

} // namespace

TriggerSettings loadTriggerSettings() {
    TriggerSettings settings;
    const std::optional<qint16> button =
        settings::toInteger16(settings::GetSetting(section, buttonKey, QString()));
    if (button && (*button == 2 || *button == 8 || *button == 9))
        settings.button = *button;
    const QString modifier = settings::GetSetting(section, modifierKey, QString());
    for (const auto& [key, name] : modifierNames) {
        if (modifier.compare(name, Qt::CaseInsensitive) == 0)
            settings.passThrough = key;
    }
    settings.excludedClasses =
        classesFromText(settings::GetSetting(section, exclusionsKey, QString()));
    return settings;
}

void saveTriggerSettings(const TriggerSettings& trigger) {
    settings::SaveSetting(section, buttonKey, QString::number(trigger.button));
    for (const auto& [key, name] : modifierNames) {
        if (key == trigger.passThrough)
            settings::SaveSetting(section, modifierKey, name);
    }
    settings::SaveSetting(section, exclusionsKey, classesAsText(trigger.excludedClasses));
}

QStringList classesFromText(const QString& text) {
    QStringList classes;
    for (const QString& name : text.split(u',')) {
        if (!name.trimmed().isEmpty())
            classes.append(name.trimmed());
    }
    return classes;
}

QString classesAsText(const QStringList& classes) {
    return classes.join(u", "_s);
}

} // namespace prefs
