#pragma once

#include "recognition/GestureDecision.h"
#include "recognition/Matcher.h"
#include "recognition/PreparedSymbols.h"
#include "recognition/Stroke.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Which matcher recognises drawings: the default one, or the precise one the user opted into.
enum class RecognitionMode { Default, Precise };

// How drawings are recognised right now: the mode and the sliders' positions.
struct RecognitionSettings {
    RecognitionMode mode = RecognitionMode::Default;
    Thresholds sliders;
};

// Recognises the drawing with the matcher of that mode: the default one walks the shortcuts, the
// precise one the same symbols prepared, and also compares the stroke the drawing was made with,
// where known, with the strokes of the stored drawings.
Recognition recognise(RecognitionMode mode, const DrawingGrid& drawing, const Stroke& stroke,
                      std::span<const Shortcut> shortcuts, const PreparedSymbols& prepared,
                      const SymbolGrid& referenceGrid,
                      const std::function<symbolfile::Content(const QString& name)>& readStored);

// The shortcut of the symbol folder, other than those named in skipped, that the mode would
// accept any one of the symbol's drawings as (each with its stroke, where it has one); nothing
// when none would.
std::optional<QString> lookAlike(RecognitionMode mode, const symbolfile::Content& drawn,
                                 const QString& symbolDirectory, const QStringList& skipped,
                                 Thresholds sliders);
