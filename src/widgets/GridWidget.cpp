#include "widgets/GridWidget.h"

#include "platform/Twips.h"
#include "widgets/WindowFit.h"

#include <QMouseEvent>
#include <QPainter>

GridWidget::GridWidget(QWidget* parent) : QWidget(parent) {}

void GridWidget::setGrid(const SymbolGrid& grid) {
    if (grid == m_grid)
        return;
    m_grid = grid;
    update();
}

QRect GridWidget::cellRect(int cell) {
    return twips::toPixels(SymbolGrid::left(cell), SymbolGrid::top(cell), SymbolGrid::cellSizeTwips,
                           SymbolGrid::cellSizeTwips);
}

int GridWidget::cellAt(QPoint point) const {
    for (int cell = SymbolGrid::cellCount - 1; cell >= 0; --cell) {
        if (cellRect(cell).contains(point))
            return cell;
    }
    return -1;
}

void GridWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(look::shrinkOf(this), look::shrinkOf(this));
    const bool bordered = m_grid.borderStyle() == SymbolGrid::BorderStyle::FixedSingle;
    for (int cell = 0; cell < SymbolGrid::cellCount; ++cell) {
        const QRect rect = cellRect(cell);
        switch (m_grid.backColor(cell)) {
        case CellColour::Black:
            painter.fillRect(rect, Qt::black);
            break;
        case CellColour::White:
            painter.fillRect(rect, Qt::white);
            break;
        case CellColour::Design:
            painter.fillRect(rect, palette().base());
            break;
        }
        if (bordered) {
            painter.setPen(palette().color(QPalette::Dark));
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
        }
    }
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
    const int cell = cellAt((event->position() / look::shrinkOf(this)).toPoint());
    if (cell >= 0)
        Q_EMIT cellPressed(cell, event->button());
}
