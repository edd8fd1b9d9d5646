#include "platform/TriggerButton.h"

#include <algorithm>

bool letsThrough(const TriggerSettings& settings, const TriggerPress& press) {
    if (settings.passThrough != Qt::NoModifier && press.modifiers.testFlag(settings.passThrough))
        return true;
    return std::any_of(press.windowClass.begin(), press.windowClass.end(),
                       [&settings](const QString& name) {
                           return settings.excludedClasses.contains(name, Qt::CaseInsensitive);
                       });
}
