#include "editor/SymbolDrawings.h"

#include <algorithm>

namespace {

SymbolGrid white() {
    SymbolGrid grid;
    ClearGrid(grid);
    return grid;
}

SymbolGrid painted(const QString& gridString) {
    SymbolGrid grid = white();
    symbolfile::paintGridString(grid, gridString);
    return grid;
}

bool isBlank(const SymbolGrid& grid) {
    for (int cell = 0; cell < SymbolGrid::cellCount; ++cell) {
        if (grid.backColor(cell) == CellColour::Black)
            return false;
    }
    return true;
}

} // namespace

SymbolDrawings::SymbolDrawings() : m_drawings{white()}, m_traces{QString()} {}

void SymbolDrawings::setShown(const SymbolGrid& drawing) {
    m_drawings[m_shown] = drawing;
    m_traces[m_shown].clear();
}

void SymbolDrawings::show(int index) {
    m_shown = std::clamp(index, 0, count() - 1);
}

bool SymbolDrawings::add(const SymbolGrid& drawing, const QString& trace) {
    if (!isBlank(shown())) {
        if (isFull())
            return false;
        m_drawings.append(drawing);
        m_traces.append(trace);
        m_shown = count() - 1;
    }
    m_drawings[m_shown] = drawing;
    m_traces[m_shown] = trace;
    return true;
}

void SymbolDrawings::removeShown() {
    if (count() == 1) {
        setShown(white());
        return;
    }
    m_drawings.removeAt(m_shown);
    m_traces.removeAt(m_shown);
    show(m_shown);
}

void SymbolDrawings::load(const symbolfile::Content& stored) {
    m_drawings = {painted(stored.gridString)};
    for (const QString& more : stored.moreDrawings) {
        if (!isFull())
            m_drawings.append(painted(more));
    }
    m_traces.clear();
    for (int drawing = 0; drawing < count(); ++drawing)
        m_traces.append(stored.traces.value(drawing));
    m_shown = 0;
}

symbolfile::Content SymbolDrawings::content(const QString& program) const {
    symbolfile::Content content{symbolfile::gridStringOf(m_drawings.front()), program};
    for (qsizetype i = 1; i < m_drawings.size(); ++i)
        content.moreDrawings.append(symbolfile::gridStringOf(m_drawings[i]));
    content.traces = m_traces;
    return content;
}
