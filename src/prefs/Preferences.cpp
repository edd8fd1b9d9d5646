#include "prefs/Preferences.h"

#include "prefs/Autostart.h"
#include "store/Settings.h"

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace prefs {
namespace {

// A slider position: a 16-bit number from 0 to 100.
std::optional<int> percentage(const QString& text) {
    const std::optional<qint16> number = settings::toInteger16(text);
    if (!number || *number < 0 || *number > 100)
        return std::nullopt;
    return *number;
}

bool nonZero(const QString& text, bool otherwise) {
    const std::optional<double> number = settings::toNumber(text);
    return number ? *number != 0 : otherwise;
}

QString flagText(bool on) {
    return on ? u"1"_s : u"0"_s;
}

const std::array<std::pair<Qt::KeyboardModifier, QString>, 4> passThroughNames{{
    {Qt::ShiftModifier, u"Maj"_s},
    {Qt::ControlModifier, u"Ctrl"_s},
    {Qt::AltModifier, u"Alt"_s},
    {Qt::NoModifier, u"Aucun"_s},
}};

const std::array<std::pair<Language, QString>, 3> languageNames{{
    {Language::French, u"fr"_s},
    {Language::English, u"en"_s},
    {Language::System, u"system"_s},
}};

// The stored name of a value, and the value of a stored name (matched as the table says).
template <typename Value, std::size_t N>
QString nameOf(const std::array<std::pair<Value, QString>, N>& names, Value value) {
    const auto found = std::find_if(names.begin(), names.end(),
                                    [value](const auto& entry) { return entry.first == value; });
    return found->second;
}
template <typename Value, std::size_t N>
Value valueOf(const std::array<std::pair<Value, QString>, N>& names, const QString& text,
              Qt::CaseSensitivity sensitivity, Value otherwise) {
    for (const auto& [value, name] : names) {
        if (text.compare(name, sensitivity) == 0)
            return value;
    }
    return otherwise;
}

struct Field {
    Setting setting;
    QString section;
    QString key;
    QString defaultText; // read when the key is absent
    void (*read)(Preferences&, const QString& stored);
    QString (*write)(const Preferences&);
};

const Preferences defaults;

const Field fields[] = {
    {Setting::BlackSensitivity, u"Configuration"_s, u"Sensibility"_s, u"50"_s,
     [](Preferences& p, const QString& s) { p.blackSensitivity = percentage(s); },
     [](const Preferences& p) {
         return QString::number(p.blackSensitivity.value_or(*defaults.blackSensitivity));
     }},
    {Setting::ContourSensitivity, u"Configuration"_s, u"Sensibility2"_s, u"60"_s,
     [](Preferences& p, const QString& s) { p.contourSensitivity = percentage(s); },
     [](const Preferences& p) {
         return QString::number(p.contourSensitivity.value_or(*defaults.contourSensitivity));
     }},
    {Setting::Stretch, u"Option"_s, u"Etire"_s, u"0"_s,
     [](Preferences& p, const QString& s) { p.stretch = nonZero(s, defaults.stretch); },
     [](const Preferences& p) { return flagText(p.stretch); }},
    {Setting::Frame, u"Option"_s, u"Grid"_s, u"1"_s,
     [](Preferences& p, const QString& s) { p.frameShown = nonZero(s, true); },
     [](const Preferences& p) { return flagText(p.frameShown); }},
    // 1 shows the name; another number leaves the label as it is; no number shows it.
    {Setting::Name, u"Option"_s, u"Nom"_s, u"1"_s,
     [](Preferences& p, const QString& s) {
         const std::optional<double> number = settings::toNumber(s);
         p.nameShown = !number || *number == 1;
     },
     [](const Preferences& p) { return flagText(p.nameShown); }},
    {Setting::Recognition, u"Option"_s, u"Precise"_s, u"0"_s,
     [](Preferences& p, const QString& s) {
         p.recognition = s == u"1"_s ? RecognitionMode::Precise : RecognitionMode::Default;
     },
     [](const Preferences& p) { return flagText(p.recognition == RecognitionMode::Precise); }},
    {Setting::GesturesHelped, u"Option"_s, u"AideGestes"_s, u"0"_s,
     [](Preferences& p, const QString& s) {
         p.gesturesHelped = std::max(0, int(settings::toInteger16(s).value_or(0)));
     },
     [](const Preferences& p) { return QString::number(p.gesturesHelped); }},
    {Setting::CloseKeepsInTray, u"Option"_s, u"FermerVersZone"_s, u"0"_s,
     [](Preferences& p, const QString& s) { p.closeKeepsInTray = s == u"1"_s; },
     [](const Preferences& p) { return flagText(p.closeKeepsInTray); }},
    {Setting::CloseExplained, u"Option"_s, u"FermetureExpliquee"_s, u"0"_s,
     [](Preferences& p, const QString& s) { p.closeExplained = s == u"1"_s; },
     [](const Preferences& p) { return flagText(p.closeExplained); }},
    {Setting::TriggerButton, u"Option"_s, u"Bouton"_s, u"2"_s,
     [](Preferences& p, const QString& s) {
         const std::optional<qint16> button = settings::toInteger16(s);
         p.trigger.button = button && (*button == 2 || *button == 8 || *button == 9)
                                ? *button
                                : TriggerSettings::middleButton;
     },
     [](const Preferences& p) { return QString::number(p.trigger.button); }},
    {Setting::PassThrough, u"Option"_s, u"Modificateur"_s, u"Maj"_s,
     [](Preferences& p, const QString& s) {
         p.trigger.passThrough =
             valueOf(passThroughNames, s, Qt::CaseInsensitive, Qt::ShiftModifier);
     },
     [](const Preferences& p) { return nameOf(passThroughNames, p.trigger.passThrough); }},
    {Setting::Exclusions, u"Option"_s, u"Exclusions"_s, QString(),
     [](Preferences& p, const QString& s) { p.trigger.excludedClasses = classesFromText(s); },
     [](const Preferences& p) { return classesAsText(p.trigger.excludedClasses); }},
    {Setting::ClicksGivenBack, u"Option"_s, u"ClicRestitue"_s, u"1"_s,
     [](Preferences& p, const QString& s) { p.trigger.clicksGivenBack = s != u"0"_s; },
     [](const Preferences& p) { return flagText(p.trigger.clicksGivenBack); }},
    {Setting::TriggerAccessExplained, u"Option"_s, u"BoutonExplique"_s, u"0"_s,
     [](Preferences& p, const QString& s) { p.triggerAccessExplained = s == u"1"_s; },
     [](const Preferences& p) { return flagText(p.triggerAccessExplained); }},
    {Setting::NoTrayExplained, u"Option"_s, u"SansZoneExpliquee"_s, u"0"_s,
     [](Preferences& p, const QString& s) { p.noTrayExplained = s == u"1"_s; },
     [](const Preferences& p) { return flagText(p.noTrayExplained); }},
    {Setting::Language, u"Option"_s, u"Langue"_s, u"fr"_s,
     [](Preferences& p, const QString& s) {
         p.language = valueOf(languageNames, s, Qt::CaseSensitive, Language::French);
     },
     [](const Preferences& p) { return nameOf(languageNames, p.language); }},
};

} // namespace

Preferences load() {
    Preferences preferences;
    for (const Field& field : fields)
        field.read(preferences, settings::GetSetting(field.section, field.key, field.defaultText));
    return preferences;
}

Outcome<SaveError> save(const Preferences& preferences, std::initializer_list<Setting> which) {
    Outcome<SaveError> failure;
    for (const Field& field : fields) {
        if (std::find(which.begin(), which.end(), field.setting) == which.end())
            continue;
        Outcome<SaveError> written =
            settings::SaveSetting(field.section, field.key, field.write(preferences));
        if (written && !failure)
            failure = std::move(written);
    }
    return failure;
}

Outcome<PreferencesError> saveChosen(const Preferences& chosen, bool startWithSession) {
    Outcome<PreferencesError> failure;
    if (const Outcome<SaveError> written = save(chosen, dialogSettings))
        failure = Failure<PreferencesError>{PreferencesError::SettingsFile, written->detail};
    if (startWithSession != autostart::isEnabled()) {
        const Outcome<SaveError> written = autostart::setEnabled(startWithSession);
        if (written && !failure)
            failure = Failure<PreferencesError>{PreferencesError::Autostart, written->detail};
    }
    return failure;
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

QString withWindowClass(const QString& text, const QStringList& windowClass) {
    QStringList classes = classesFromText(text);
    const bool listed =
        std::any_of(windowClass.begin(), windowClass.end(), [&](const QString& name) {
            return classes.contains(name, Qt::CaseInsensitive);
        });
    if (!windowClass.isEmpty() && !listed)
        classes.append(windowClass.back());
    return classesAsText(classes);
}

} // namespace prefs
