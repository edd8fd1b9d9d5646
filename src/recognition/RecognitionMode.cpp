#include "recognition/RecognitionMode.h"

#include "recognition/ShapeMatcher.h"
#include "store/Settings.h"

using namespace Qt::StringLiterals;

namespace {
const QString section = u"Option"_s;
const QString key = u"Precise"_s;
int savedSensitivity(const QString& key, int defaultValue) {
    const std::optional<qint16> saved =
        settings::toInteger16(settings::GetSetting(u"Configuration"_s, key, QString()));
    return saved && *saved >= 0 && *saved <= 100 ? *saved : defaultValue;
}

} // namespace

RecognitionMode chosenRecognitionMode() {
    return settings::GetSetting(section, key, u"0"_s) == u"1"_s ? RecognitionMode::Precise
                                                                : RecognitionMode::Default;
}

void chooseRecognitionMode(RecognitionMode mode) {
    settings::SaveSetting(section, key, mode == RecognitionMode::Precise ? u"1"_s : u"0"_s);
}

Recognition recognise(RecognitionMode mode, const DrawingGrid& drawing,
                      std::span<const Shortcut> shortcuts, const SymbolGrid& referenceGrid,
                      const std::function<symbolfile::Content(const QString& name)>& readStored) {
    return mode == RecognitionMode::Precise
               ? recognisePrecisely(drawing, shortcuts, referenceGrid, readStored)
               : recognise(drawing, shortcuts, referenceGrid, readStored);
}

Thresholds savedThresholds() {
    return {savedSensitivity(u"Sensibility"_s, 50), savedSensitivity(u"Sensibility2"_s, 60)};
}

std::optional<QString>
lookAlike(RecognitionMode mode, const QList<DrawingGrid>& drawings,
          std::span<const Shortcut> others, Thresholds sliders,
          const std::function<symbolfile::Content(const QString& name)>& readStored) {
    SymbolGrid reference;
    ClearGrid(reference);
    for (const DrawingGrid& drawing : drawings) {
        const Recognition found = recognise(mode, drawing, others, reference, readStored);
        if (decide(found, {}, sliders).accepted)
            return others[found.selected - 1].text;
    }
    return std::nullopt;
}
