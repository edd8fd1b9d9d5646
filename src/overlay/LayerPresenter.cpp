#include "overlay/LayerPresenter.h"

#include "overlay/FrmView.h"
#include "platform/OverlaySurface.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QPainter>
#include <QTimer>

// What each frame costs, for the benchmark (off by default).
Q_LOGGING_CATEGORY(lcFrames, "gestrix.frames", QtCriticalMsg)

LayerPresenter::LayerPresenter(FrmView& view, std::unique_ptr<OverlaySurface> surface)
    : QObject(&view), m_view(view), m_surface(std::move(surface)) {
    OverlaySurface* shown = m_surface.get();
    connect(shown, &OverlaySurface::configured, this, [this] { refresh(m_view.rect()); });
    connect(shown, &OverlaySurface::pointerMoved, this,
            [this](QPoint at) { m_view.Form_MouseMove(at.x(), at.y()); });
    connect(shown, &OverlaySurface::pressed, &m_view, &FrmView::press);
    connect(shown, &OverlaySurface::buttonReleased, &m_view, &FrmView::release);
    connect(shown, &OverlaySurface::escapePressed, &m_view, &FrmView::cancel);
    connect(shown, &OverlaySurface::closed, &m_view, &FrmView::cancel);
    // The overlay paints over what is there: what was there goes first.
    shown->setPainter([this](QImage& picture, const QRegion& area) {
        QElapsedTimer spent;
        spent.start();
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        for (const QRect& rect : area)
            painter.fillRect(rect, Qt::transparent);
        painter.end();
        m_view.render(&picture, area.boundingRect().topLeft(), area, QWidget::DrawChildren);
        qCDebug(lcFrames).nospace()
            << "frame of " << area.boundingRect().width() << "x" << area.boundingRect().height()
            << " in " << spent.nsecsElapsed() / 1000 << " µs";
    });
}

LayerPresenter::~LayerPresenter() = default;

void LayerPresenter::setShown(bool shown) {
    m_shown = shown;
    if (!shown)
        m_surface.reset();
    else
        refresh(m_view.rect());
}

// Changes that come together (a movement, the frame it moves) are painted together.
void LayerPresenter::refresh(const QRect& area) {
    m_changed += area;
    if (std::exchange(m_paintQueued, true))
        return;
    QTimer::singleShot(0, this, &LayerPresenter::paint);
}

int LayerPresenter::scale() const {
    return m_surface ? m_surface->scale() : 1;
}

void LayerPresenter::paint() {
    m_paintQueued = false;
    const QRegion changed = std::exchange(m_changed, QRegion());
    if (!m_shown || !m_surface)
        return;
    m_surface->present(changed);
}
