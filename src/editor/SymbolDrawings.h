#pragma once

#include "store/SymbolFile.h"
#include "store/SymbolGrid.h"

#include <QList>

// The drawings of the symbol being edited: one to five, one of them shown and edited at a time.
// The first is the file's "Value"; the others its further drawings. A drawing made on the screen
// keeps the trace of its stroke until its cells are changed by hand: the stroke would no longer
// be what the grid shows, and recognition would take it over the correction.
class SymbolDrawings {
public:
    // One white drawing.
    SymbolDrawings();

    int count() const { return static_cast<int>(m_drawings.size()); }
    int shownIndex() const { return m_shown; }
    const SymbolGrid& shown() const { return m_drawings[m_shown]; }
    bool isFull() const { return count() >= symbolfile::mostDrawings; }

    // The shown drawing, changed by hand: it no longer has a trace.
    void setShown(const SymbolGrid& drawing);
    void show(int index);
    // A new drawing, with the trace of its stroke if it has one, fills the shown one when that
    // is blank, else comes last and is shown; none is added when five are there. False then.
    bool add(const SymbolGrid& drawing, const QString& trace = {});
    // The shown drawing goes; the last one left is only whitened.
    void removeShown();

    // From and to what a shortcut's file holds.
    void load(const symbolfile::Content& stored);
    symbolfile::Content content(const QString& program) const;

private:
    QList<SymbolGrid> m_drawings;
    QStringList m_traces; // one for each drawing, "" for none
    int m_shown = 0;
};
