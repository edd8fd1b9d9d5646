#include "recognition/GestureRecognition.h"

#include "recognition/OutcomeText.h"

#include <QLoggingCategory>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcRecognition, "gestrix.recognition", QtCriticalMsg)

const PreparedSymbols& ShortcutSymbols::prepared() {
    if (!m_prepared) {
        m_prepared.emplace(m_shortcuts.items());
        qCDebug(lcRecognition) << "prepared" << m_prepared->symbols().size() << "symbols";
    }
    return *m_prepared;
}

symbolfile::Content ShortcutSymbols::read(const QString& name) const {
    for (const Shortcut& shortcut : m_shortcuts.items()) {
        if (shortcut.text == name)
            return {shortcut.tag, shortcut.program, shortcut.moreDrawings, shortcut.traces};
    }
    return {};
}

RecognitionResult recogniseGesture(const RecognitionRequest& request, ShortcutSymbols& symbols,
                                   const ProgramStarter& starter) {
    static const PreparedSymbols unneeded;
    const bool precise = request.settings.mode == RecognitionMode::Precise;
    const Recognition found =
        recognise(request.settings.mode, request.drawing, request.stroke, symbols.list().items(),
                  precise ? symbols.prepared() : unneeded, request.referenceGrid,
                  [&symbols](const QString& name) { return symbols.read(name); });
    RecognitionResult result;
    result.decision = decide(found, request.previousBars, request.settings.sliders);
    // Stretched to the comparison picture, a slip of the hand would look like anything.
    if (isTooSmallToMean(request.stroke))
        result.decision.accepted = false;
    result.referenceGrid = found.referenceGrid;
    if (!result.decision.accepted) {
        ClearGrid(result.referenceGrid);
        return result;
    }
    const Shortcut& selected = *symbols.list().item(result.decision.selected);
    const ProgramText program(result.decision.program);
    result.caption = recognitionCaption(program.name(starter), result.decision.bars.black);
    if (request.preview) {
        if (const std::optional<LaunchError> problem = program.problem(starter))
            result.caption += u" — "_s + launchProblemText(*problem);
        return result;
    }
    // The grid shows the symbol whose program is asked for.
    symbolfile::paintGridString(result.referenceGrid, selected.tag);
    result.shortcut = selected.text;
    result.program = program;
    return result;
}
