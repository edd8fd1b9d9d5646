#pragma once

#include "recognition/GestureDecision.h"
#include "recognition/Matcher.h"

#include <QList>
#include <QString>

#include <optional>

// Which matcher recognises drawings: the default one, or the precise one the user opted into in
// the preferences (settings "Option"/"Precise" = "1"; anything else is the default).
enum class RecognitionMode { Default, Precise };

RecognitionMode chosenRecognitionMode();
void chooseRecognitionMode(RecognitionMode mode);

// Recognises the drawing with the matcher of that mode.
Recognition recognise(RecognitionMode mode, const DrawingGrid& drawing,
                      std::span<const Shortcut> shortcuts, const SymbolGrid& referenceGrid,
                      const std::function<symbolfile::Content(const QString& name)>& readStored);

// The sensitivities as the sliders last saved them ("Configuration"/"Sensibility" and
// "Sensibility2"; 50 and 60 when missing or not numbers).
Thresholds savedThresholds();

// The stored symbol that the mode would accept one of these drawings as, if any.
std::optional<QString>
lookAlike(RecognitionMode mode, const QList<DrawingGrid>& drawings,
          std::span<const Shortcut> others, Thresholds sliders,
          const std::function<symbolfile::Content(const QString& name)>& readStored);
