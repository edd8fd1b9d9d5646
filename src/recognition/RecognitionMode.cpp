#include "recognition/RecognitionMode.h"

#include "recognition/ShapeMatcher.h"
#include "store/FileList.h"
#include "store/SymbolDirectory.h"

Recognition recognise(RecognitionMode mode, const DrawingGrid& drawing, const Stroke& stroke,
                      std::span<const Shortcut> shortcuts, const PreparedSymbols& prepared,
                      const SymbolGrid& referenceGrid,
                      const std::function<symbolfile::Content(const QString& name)>& readStored) {
    return mode == RecognitionMode::Precise
               ? recognisePrecisely(drawing, stroke, prepared, referenceGrid, readStored)
               : recognise(drawing, shortcuts, referenceGrid, readStored);
}

std::optional<QString> lookAlike(RecognitionMode mode, const symbolfile::Content& drawn,
                                 const QString& symbolDirectory, const QStringList& skipped,
                                 Thresholds sliders) {
    FileList files;
    files.setPath(symbolDirectory);
    ShortcutList stored;
    stored.refresh(files);
    QList<Shortcut> others;
    for (const Shortcut& shortcut : stored.items()) {
        if (!skipped.contains(shortcut.text))
            others.append(shortcut);
    }
    const auto readStored = [&symbolDirectory](const QString& name) {
        return symbolfile::read(symbols::filePath(symbolDirectory, name));
    };
    const PreparedSymbols prepared =
        mode == RecognitionMode::Precise ? PreparedSymbols(others) : PreparedSymbols();
    SymbolGrid reference;
    ClearGrid(reference);
    const QStringList grids = QStringList{drawn.gridString} + drawn.moreDrawings;
    for (qsizetype k = 0; k < grids.size(); ++k) {
        const Stroke stroke = strokeOfTrace(drawn.traces.value(k)).value_or(Stroke());
        const Recognition found = recognise(mode, blackCellsOf(grids[k]), stroke, others, prepared,
                                            reference, readStored);
        if (decide(found, {}, sliders).accepted)
            return others[found.selected - 1].text;
    }
    return std::nullopt;
}
