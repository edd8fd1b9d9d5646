#pragma once

#include "store/SymbolGrid.h"

#include <QWidget>

// Shows a SymbolGrid: one widget painting 144 cells at their twip positions, later cells over
// earlier ones where they overlap. Emits cellPressed with the topmost cell under a press.
class GridWidget : public QWidget {
    Q_OBJECT

public:
    explicit GridWidget(QWidget* parent = nullptr);

    const SymbolGrid& grid() const { return m_grid; }
    void setGrid(const SymbolGrid& grid);

    // The topmost cell at a point of this widget, or -1.
    int cellAt(QPoint point) const;
    // A cell's rectangle in this widget's pixels.
    static QRect cellRect(int cell);

Q_SIGNALS:
    void cellPressed(int cell, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    SymbolGrid m_grid;
};
