#pragma once

#include "launch/ProgramText.h"
#include "recognition/GestureDecision.h"
#include "recognition/PreparedSymbols.h"
#include "recognition/RecognitionMode.h"
#include "recognition/Stroke.h"
#include "store/ShortcutList.h"
#include "store/SymbolFile.h"
#include "store/SymbolGrid.h"

#include <QString>

#include <optional>
#include <utility>

// The symbols drawings are recognised against: the shortcut list as its owner keeps it, and the
// list prepared for the precise matcher once after each rebuild, when first needed. A shortcut
// is what the list read of it, never its file read again: a file being rewritten meanwhile
// is not read half-way.
class ShortcutSymbols {
public:
    explicit ShortcutSymbols(const ShortcutList& shortcuts) : m_shortcuts(shortcuts) {}

    // The list was rebuilt.
    void changed() { m_prepared.reset(); }
    const ShortcutList& list() const { return m_shortcuts; }
    const PreparedSymbols& prepared();
    symbolfile::Content read(const QString& name) const;

private:
    const ShortcutList& m_shortcuts;
    std::optional<PreparedSymbols> m_prepared;
};

// What one recognition starts from.
struct RecognitionRequest {
    const DrawingGrid& drawing;
    const Stroke& stroke; // the pointer's path, where known
    RecognitionSettings settings;
    Scores previousBars;
    SymbolGrid referenceGrid; // as the window shows it now
    bool preview = false;     // the drawing is still being made: nothing is to start
};

// What it comes to.
struct RecognitionResult {
    Decision decision;
    QString caption; // the label's text for an accepted drawing
    // The reference grid after it: the symbol recognised, or white for a rejected drawing.
    SymbolGrid referenceGrid;
    QString shortcut;                   // the accepted symbol's name
    std::optional<ProgramText> program; // an accepted final drawing's, to start
};

// Recognises a drawing: selects the best symbol with the mode's matcher, decides against the
// sliders (a drawing too small to mean anything is rejected), and says what the label shows. A
// preview's label also says when the program cannot be started.
RecognitionResult recogniseGesture(const RecognitionRequest& request, ShortcutSymbols& symbols,
                                   const ProgramStarter& starter);
