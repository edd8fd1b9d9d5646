#pragma once

#include <QRect>
#include <QString>

class QPainter;

// One line of help at the top of an overlay, readable over any photograph: light text on a dark
// band.
namespace help_line {

// Where the line shows on an overlay of this size: centred near the top.
QRect area(const QSize& overlay, const QString& text);
void paint(QPainter& painter, const QRect& area, const QString& text);

} // namespace help_line
