#include "overlay/HelpLine.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace help_line {
namespace {

constexpr int topPixels = 24;
constexpr int paddingPixels = 10;
const QColor band(0x20, 0x24, 0x2C, 0xD0);
const QColor writing(0xEC, 0xEF, 0xF4);

QFont font() {
    QFont font;
    font.setPointSizeF(12);
    return font;
}

} // namespace

QRect area(const QSize& overlay, const QString& text) {
    const QSize size = QFontMetrics(font()).size(Qt::TextSingleLine, text) +
                       QSize(2 * paddingPixels, paddingPixels);
    return QRect(QPoint((overlay.width() - size.width()) / 2, topPixels), size);
}

void paint(QPainter& painter, const QRect& area, const QString& text) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(Qt::NoPen);
    painter.setBrush(band);
    painter.drawRoundedRect(area, paddingPixels / 2.0, paddingPixels / 2.0);
    painter.setFont(font());
    painter.setPen(writing);
    painter.drawText(area, Qt::AlignCenter, text);
    painter.restore();
}

} // namespace help_line
