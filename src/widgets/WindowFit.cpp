#include "widgets/WindowFit.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace look {

namespace {

constexpr char shrinkProperty[] = "gestrixShrink";
// What a desktop's title bar and borders take round a window.
constexpr QSize decorations(16, 40);
// Below this, text would be too small to read: the window is cut instead.
constexpr qreal smallestShrink = 0.5;

int scaled(int length, qreal factor) {
    return int(std::lround(length * factor));
}

// Edges are scaled rather than sizes, so that touching widgets still touch.
QRect scaled(const QRect& rect, qreal factor) {
    return QRect(
        QPoint(scaled(rect.left(), factor), scaled(rect.top(), factor)),
        QPoint(scaled(rect.right() + 1, factor) - 1, scaled(rect.bottom() + 1, factor) - 1));
}

// A size set on the widget itself; the others follow the window's.
void shrinkFont(QWidget* widget, qreal factor, bool always) {
    if (!always && !(widget->testAttribute(Qt::WA_SetFont) &&
                     (widget->font().resolveMask() & QFont::SizeResolved)))
        return;
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * factor);
    widget->setFont(font);
}

// The children placed by hand; those of a layout, or of a scrolled view, are placed for them.
void shrinkChildren(QWidget* parent, qreal factor) {
    const bool placedForThem = parent->layout() || qobject_cast<QAbstractScrollArea*>(parent);
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        shrinkFont(child, factor, false);
        if (!placedForThem) {
            const QRect place = scaled(child->geometry(), factor);
            if (child->minimumSize() == child->maximumSize())
                child->setFixedSize(place.size());
            child->setGeometry(place);
        }
        // A label never cuts its text: it grows to the right, as when it was first placed.
        if (auto* label = qobject_cast<QLabel*>(child); label && !label->wordWrap())
            label->resize(label->size().expandedTo(label->sizeHint()));
        shrinkChildren(child, factor);
    }
}

} // namespace

qreal fitFactor(QSize window, QSize available) {
    const QSize room = available - decorations;
    if (window.isEmpty() || room.isEmpty())
        return 1;
    return std::clamp(
        std::min(qreal(room.width()) / window.width(), qreal(room.height()) / window.height()),
        smallestShrink, 1.0);
}

void fitOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QSize available = screen->availableGeometry().size();
    if (window->minimumSize() != window->maximumSize()) {
        window->resize(window->size().boundedTo(available - decorations));
        return;
    }
    const qreal factor = fitFactor(window->size(), available);
    if (factor >= 1)
        return;
    window->setProperty(shrinkProperty, factor);
    window->setFixedSize(scaled(window->width(), factor), scaled(window->height(), factor));
    shrinkFont(window, factor, true);
    shrinkChildren(window, factor);
}

qreal shrinkOf(const QWidget* widget) {
    const QVariant factor = widget->window()->property(shrinkProperty);
    return factor.isValid() ? factor.toReal() : 1.0;
}

} // namespace look
