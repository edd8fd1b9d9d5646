#include "overlay/FrmView.h"

#include "overlay/Capture.h"
#include "overlay/HelpLine.h"
#include "overlay/LayerPresenter.h"
#include "overlay/Trail.h"
#include "platform/OverlaySurface.h"
#include "platform/ScreenFreezer.h"
#include "platform/Twips.h"
#include "platform/process/Timing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int previewIntervalMs = 500;
const QColor recognisedGreen(0x00, 0xFF, 0x00);
const QColor rejectedRed(0xFF, 0x00, 0x00);
const QColor teachingBlue(0x40, 0xA0, 0xFF);
// The frame's place and size before the first movement, in twips.
constexpr int loadFrameWidthTwips = 2415;
constexpr int loadFrameHeightTwips = 1215;
// Stands for the desktop when there is no photograph of it: calm, and the trail shows on it.
const QColor calmBackground(0x3B, 0x42, 0x52);
const QColor hintColour(0xD8, 0xDE, 0xE9);
// Over the live desktop: enough to show the screen is ours until the click.
const QColor lightVeil(0xFF, 0xFF, 0xFF, 0x30);
// Below the line of help, which may show too.
constexpr int hintTopPixels = 72;
// A held press that moved this far draws: the trigger's ends the gesture when it is released,
// and a teaching one starts the drawing again from where it was pressed.
constexpr qreal holdToDrawPixels = 16;

Qt::WindowFlags overlayWindowFlags() {
#ifdef GESTRIX_DEBUG_OVERLAY
    // An ordinary window: a debugger stopped in a handler never hides behind a frozen screen.
    return Qt::Window;
#else
    // Frameless and above everything, without a task bar entry; bypassing the window manager
    // lets it cover panels too, so the whole screen looks frozen.
    return Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
           Qt::X11BypassWindowManagerHint;
#endif
}

int buttonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return FrmView::LeftButton;
    case Qt::RightButton:
        return FrmView::RightButton;
    case Qt::MiddleButton:
        return FrmView::MiddleButton;
    default:
        return 0;
    }
}

int shiftOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? FrmView::ShiftKey : 0) |
           (modifiers & Qt::ControlModifier ? FrmView::CtrlKey : 0) |
           (modifiers & Qt::AltModifier ? FrmView::AltKey : 0);
}

// Whole pixels for positions that keep halves: the half is cut.
QPoint pixelOf(QPointF point) {
    return {static_cast<int>(std::floor(point.x())), static_cast<int>(std::floor(point.y()))};
}

// The frame in whole pixels, as it is drawn and captured.
QRect pixelsOf(const QRectF& frame) {
    return {pixelOf(frame.topLeft()),
            QSize(capture::roundHalfEven(frame.width()), capture::roundHalfEven(frame.height()))};
}

} // namespace

FrmView::FrmView(QImage photograph, const QRect& screen, bool frameShown, QWidget* parent)
    : FrmView(std::move(photograph), nullptr, nullptr, screen, frameShown, parent) {}

FrmView::FrmView(std::unique_ptr<OverlaySurface> surface, const QRect& screen, bool frameShown)
    : FrmView(QImage(), std::move(surface), nullptr, screen, frameShown, nullptr) {}

FrmView::FrmView(std::unique_ptr<FrozenScreen> frozen, const QRect& screen, bool frameShown)
    : FrmView(QImage(), nullptr, std::move(frozen), screen, frameShown, nullptr) {}

FrmView::~FrmView() = default;

FrmView::FrmView(QImage photograph, std::unique_ptr<OverlaySurface> surface,
                 std::unique_ptr<FrozenScreen> frozen, const QRect& screen, bool frameShown,
                 QWidget* parent)
    : QWidget(parent, overlayWindowFlags()), m_frameShown(frameShown), m_frozen(std::move(frozen)) {
    if (surface)
        m_layer = new LayerPresenter(*this, std::move(surface));
    if (m_frozen) {
        // The window shows the server's picture by itself; Qt paints nothing over it.
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    setWindowTitle(tr("Gestrix geste"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Above a modal dialog of ours, a plain window would get no input and the screen would stay
    // frozen; the latest modal window gets it. The overlays of the other screens are the first
    // one's: its modality leaves them their input.
    setWindowModality(parent ? Qt::NonModal : Qt::ApplicationModal);
    setGeometry(screen);
    setMouseTracking(true);
    // From the press on, the pointer says the screen is frozen and waits for a drawing.
    setCursor(Qt::CrossCursor);

    m_label = new QLabel(this);
    QFont verdana(u"Verdana"_s);
    verdana.setPointSizeF(8.25);
    m_label->setFont(verdana);
    QPalette green = m_label->palette();
    green.setColor(QPalette::WindowText, QColor(0x00, 0xFF, 0x00));
    m_label->setPalette(green);

    if (m_frozen) {
        m_label->hide();
        m_frozen->showBehind(winId());
    }

    m_activeBefore = QApplication::activeWindow();
    Form_Load(std::move(photograph));
    // Keys are the overlay's while it is up, whichever of our windows Qt hands them to; the
    // filter sees the overlay's window exposed too.
    qApp->installEventFilter(this);

    // Previews run while the gesture is under way: from now until the click that ends it.
    connect(&Timer1, &QTimer::timeout, this, &FrmView::Timer1_Timer);
    Timer1.start(previewIntervalMs);
}

void FrmView::Form_Load(QImage photograph) {
    // The photograph itself is what the user sees and draws on: no copy of the whole screen.
    if (m_frozen) {
        // The server holds the screen: nothing of it is ours to keep.
    } else if (m_layer) {
        // The compositor shows the desktop through what is clear; the trail is drawn at the
        // output's scale.
        m_canvas = QImage(size() * m_layer->scale(), QImage::Format_ARGB32_Premultiplied);
        m_canvas.setDevicePixelRatio(m_layer->scale());
        m_canvas.fill(lightVeil);
    } else if (photograph.format() == QImage::Format_RGB32) {
        m_canvas = std::move(photograph);
    } else if (photograph.isNull()) {
        // No photograph (the desktop would not give one). A see-through window shows nothing
        // useful: a compositor draws nothing under a full-screen window, and without one X11
        // shows garbage. A plain background with a line of help does.
        m_canvas = QImage(size(), QImage::Format_RGB32);
        m_canvas.fill(calmBackground);
        paintHint();
    } else {
        m_canvas = QImage(size(), QImage::Format_RGB32);
        m_canvas.fill(palette().color(QPalette::Window));
        QPainter painter(&m_canvas);
        painter.drawImage(0, 0, photograph);
    }
    resetBounds();
    m_frameColour = QColor(0xFF, 0x00, 0x00);
}

void FrmView::resetBounds() {
    // Larger than any pixel coordinate, so the first movement sets all four bounds.
    minX = capture::roundHalfEven(width() * twips::perPixel);
    minY = capture::roundHalfEven(height() * twips::perPixel);
    maxX = 0;
    maxY = 0;
    m_shp =
        QRectF(0, 0, loadFrameWidthTwips / twips::perPixel, loadFrameHeightTwips / twips::perPixel);
}

void FrmView::restartStroke() {
    m_stroke.clear();
    m_strokeShared = false;
    if (!m_strokeLayer.isNull())
        m_strokeLayer.fill(Qt::white);
    if (!m_background.isNull())
        m_canvas = m_background;
    m_frameVisible = false;
    resetBounds();
    refresh(rect());
}

// The line's place is measured once: the overlay paints at every movement.
void FrmView::showHelp(const QString& text) {
    refresh(m_helpArea);
    m_help = text;
    m_helpArea = m_help.isEmpty() ? QRect() : help_line::area(size(), m_help);
    refresh(m_helpArea);
}

void FrmView::showPhotograph(QImage photograph) {
    if (m_layer || m_frozen || photograph.isNull())
        return;
    if (photograph.format() != QImage::Format_RGB32)
        photograph = photograph.convertToFormat(QImage::Format_RGB32);
    if (m_teaching)
        m_background = photograph;
    trail::paintTrail(photograph, QPoint(), m_strokeLayer, m_stroke, DrawWidth);
    m_canvas = std::move(photograph);
    update();
}

void FrmView::paintHint() {
    QPainter painter(&m_canvas);
    QFont font = painter.font();
    font.setPointSizeF(11);
    painter.setFont(font);
    painter.setPen(hintColour);
    painter.drawText(QRect(0, hintTopPixels, m_canvas.width(), m_canvas.height()),
                     Qt::AlignHCenter | Qt::AlignTop,
                     tr("L'écran n'a pas pu être photographié : dessinez le symbole ici, puis "
                        "cliquez. Clic droit ou Échap pour annuler."));
}

void FrmView::Form_MouseMove(int X, int Y) {
    // The pointer was at the press before the overlay could see it move: the stroke starts there.
    if (const std::optional<QPoint> from = std::exchange(m_pressedAt, std::nullopt))
        Form_MouseMove(from->x(), from->y());
    // Dragged as in a paint program, the drawing is what the held button draws, not the way
    // the pointer came to where it was pressed.
    if (m_teachingPress && !m_following && m_teachingPress->from &&
        QLineF(*m_teachingPress->from, QPoint(X, Y)).length() >= holdToDrawPixels) {
        const QPoint from = *std::exchange(m_teachingPress->from, std::nullopt);
        restartStroke();
        Q_EMIT strokeRestarted();
        Form_MouseMove(from.x(), from.y());
    }
    if (m_holding) {
        if (!m_holdStart)
            m_holdStart = QPoint(X, Y);
        m_holdTravel = std::max(m_holdTravel, QLineF(*m_holdStart, QPoint(X, Y)).length());
    }
    DrawWidth = capture::roundHalfEven((m_penScreenWidth > 0 ? m_penScreenWidth : width()) / 24.0);
    // Each movement joins the previous position: a fast stroke, or movements the system merged
    // under load, leave no gaps.
    const QPoint at(X, Y);
    paintStroke(m_stroke.isEmpty() ? at : m_stroke.back(), at);
    if (m_stroke.isEmpty() || m_stroke.back() != at) {
        m_stroke.append(at);
        if (!m_following)
            Q_EMIT strokeExtended(at + geometry().topLeft());
    }
    minX = std::min(minX, X);
    minY = std::min(minY, Y);
    maxX = std::max(maxX, X);
    maxY = std::max(maxY, Y);
    placeFrame();
}

// A screen's worth of memory takes a while to fill: the overlay is shown first.
void FrmView::makeStrokeLayer() {
    if (!m_strokeLayer.isNull())
        return;
    // Black or white is all it holds: one byte a pixel.
    m_strokeLayer = QImage(size(), QImage::Format_Grayscale8);
    m_strokeLayer.fill(Qt::white);
}

void FrmView::followStroke(QPoint global) {
    const QPoint at = global - geometry().topLeft();
    m_strokeShared = true;
    m_following = true;
    Form_MouseMove(at.x(), at.y());
    m_following = false;
}

void FrmView::paintStroke(QPoint from, QPoint to) {
    makeStrokeLayer();
    trail::paintStroke(m_strokeLayer, from, to, DrawWidth);
    const QRect changed = m_frozen
                              ? trail::reachOf(from, to, DrawWidth)
                              : trail::paintVisible(m_canvas, m_strokeLayer, from, to, DrawWidth);
    refresh(changed.adjusted(-1, -1, 1, 1));
}

void FrmView::holdStarted(std::optional<QPoint> global) {
    m_holdStart = global ? std::optional(mapFromGlobal(*global)) : std::nullopt;
    m_pressedAt = m_holdStart;
    m_holdTravel = 0;
    m_holding = true;
}

void FrmView::heldMove(QPoint global) {
    const QPoint at = mapFromGlobal(global);
    Form_MouseMove(at.x(), at.y());
}

void FrmView::heldReleased() {
    // A quick press and release leaves the overlay up: the pointer then draws freely.
    if (std::exchange(m_holding, false) && m_holdTravel >= holdToDrawPixels)
        Form_MouseDown(MiddleButton, 0);
}

void FrmView::placeFrame() {
    updateFrameEdges();
    m_shp = QRectF(minX - DrawWidth / 2.0, minY - DrawWidth / 2.0, (maxX - minX) + DrawWidth,
                   (maxY - minY) + DrawWidth);
    m_labelPosition = m_shp.topLeft() + QPointF(10, 10);
    changeLabel([this] { m_label->move(pixelOf(m_labelPosition)); });
    m_frameVisible = m_frameShown;
    updateFrameEdges();
}

void FrmView::updateFrameEdges() {
    const QRect frame = pixelsOf(m_shp);
    refresh(QRect(frame.left() - 1, frame.top() - 1, frame.width() + 2, 3));
    refresh(QRect(frame.left() - 1, frame.bottom() - 1, frame.width() + 2, 3));
    refresh(QRect(frame.left() - 1, frame.top() - 1, 3, frame.height() + 2));
    refresh(QRect(frame.right() - 1, frame.top() - 1, 3, frame.height() + 2));
}

void FrmView::Form_MouseDown(int Button, int Shift) {
    if (m_unloaded)
        return;
    if (Button == RightButton) {
        unload();
        return;
    }
    if (Button != LeftButton && Button != MiddleButton)
        return;
    const bool final = Shift == 0;
    if (final) {
        Timer1.stop();
        hide();
    }
    capture(Shift == ShiftKey);
    // The painting goes with the window.
    if (final)
        unload();
}

void FrmView::capture(bool DontLaunch) {
    const QRect frame = pixelsOf(m_shp);
    // A stroke that went on over another screen is painted again from its points: the stroke
    // layer holds only what is over this one.
    if (m_strokeShared) {
        Q_EMIT captured(trail::strokeBlock(m_stroke, frame, DrawWidth), m_stroke, DontLaunch);
        return;
    }
    makeStrokeLayer();
    Q_EMIT captured(capture::copyBlock(m_strokeLayer, frame), m_stroke, DontLaunch);
}

void FrmView::cancel() {
    unload();
}

void FrmView::unload() {
    if (std::exchange(m_unloaded, true))
        return;
    Timer1.stop();
    // Closed, the overlay may live on until the event loop deletes it: keys are no longer its.
    qApp->removeEventFilter(this);
    hide();
    close();
    // The overlay took the keyboard from a window of ours (the editor, when drawing for it): it
    // goes back there.
    if (m_activeBefore)
        m_activeBefore->activateWindow();
    Q_EMIT gestureEnded();
}

void FrmView::Timer1_Timer() {
    Form_MouseDown(LeftButton, ShiftKey);
}

void FrmView::refresh(const QRect& area) {
    if (m_layer) {
        m_layer->refresh(area);
        return;
    }
    if (m_frozen)
        m_frozenToRestore += area;
    update(area);
}

// A window repaints its label by itself; elsewhere the label is drawn with the rest.
template <typename Change> void FrmView::changeLabel(Change change) {
    const QRect before = m_label->geometry();
    change();
    if (m_layer || m_frozen) {
        refresh(before);
        refresh(m_label->geometry());
    }
}

void FrmView::setLabelShown(bool shown) {
    if (m_frozen)
        m_labelShown = shown;
    else
        m_label->setVisible(shown);
}

void FrmView::setVisible(bool visible) {
    if (m_layer)
        m_layer->setShown(visible);
    else
        QWidget::setVisible(visible);
}

void FrmView::setFrameColour(const QColor& colour) {
    m_frameColour = colour;
    updateFrameEdges();
}

void FrmView::showTeaching() {
    m_teaching = true;
    m_background = m_canvas;
    setFrameColour(teachingBlue);
    showHelp(tr("Dessinez le symbole en tenant le bouton gauche, ou déplacez la souris puis "
                "cliquez. Clic droit ou Échap pour annuler."));
}

void FrmView::showDecision(const Decision& decision, const QString& caption, bool nameShown) {
    if (!decision.accepted) {
        changeLabel([this] { setLabelShown(false); });
        setFrameColour(rejectedRed);
        return;
    }
    setFrameColour(recognisedGreen);
    changeLabel([&] {
        m_label->setText(caption);
        m_label->adjustSize();
        if (nameShown)
            setLabelShown(true);
    });
}

void FrmView::paintEvent(QPaintEvent* event) {
    if (!m_painted) {
        m_painted = true;
        markTiming("overlay shown");
        QTimer::singleShot(0, this, &FrmView::makeStrokeLayer);
        Q_EMIT shown();
        activateWindow();
    }
    // Only a window on screen can take the keyboard, and only one at a time: try until it has.
    if (!m_keyboardGrabbed && windowHandle())
        m_keyboardGrabbed = windowHandle()->setKeyboardGrabEnabled(true);
    if (m_frozen) {
        paintOverFrozen(event->region());
        return;
    }
    QPainter painter(this);
    // The photograph is in the screen's pixels, which may be finer than the overlay's.
    const qreal ratio = m_canvas.devicePixelRatio();
    for (const QRect& rect : event->region())
        painter.drawImage(rect, m_canvas,
                          QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio));
    paintFrame(painter);
    if (event->region().intersects(m_helpArea))
        help_line::paint(painter, m_helpArea, m_help);
}

void FrmView::paintFrame(QPainter& painter) const {
    if (!m_frameVisible)
        return;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(m_frameColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(pixelsOf(m_shp).adjusted(0, 0, -1, -1));
}

// The server shows the frozen screen wherever we draw nothing: only what is drawn, and where
// something drawn has gone, is painted again, a piece of the screen read back at a time.
void FrmView::paintOverFrozen(const QRegion& region) {
    QRegion drawn = m_frozenToRestore;
    if (!m_stroke.isEmpty() || m_frameVisible)
        drawn += pixelsOf(m_shp).adjusted(-1, -1, 1, 1);
    if (m_labelShown)
        drawn += m_label->geometry();
    drawn += m_helpArea;
    const QRegion painted = region.intersected(drawn).intersected(rect());
    m_frozenToRestore -= painted;
    // A whole number of the server's pixels to one of ours.
    const int ratio = qRound(devicePixelRatioF());
    for (const QRect& area : painted) {
        const QRect pixels(area.topLeft() * ratio, area.size() * ratio);
        QImage piece = m_frozen->piece(pixels);
        if (piece.isNull())
            continue;
        piece.setDevicePixelRatio(ratio);
        trail::paintTrail(piece, area.topLeft(), m_strokeLayer, m_stroke, DrawWidth);
        QPainter painter(&piece);
        painter.translate(-area.topLeft());
        paintFrame(painter);
        if (area.intersects(m_helpArea))
            help_line::paint(painter, m_helpArea, m_help);
        if (m_labelShown) {
            // As the label would show itself: its text alone, over what is there.
            painter.setFont(m_label->font());
            painter.setPen(m_label->palette().color(QPalette::WindowText));
            painter.drawText(m_label->geometry(), int(m_label->alignment()), m_label->text());
        }
        painter.end();
        m_frozen->put(winId(), piece, pixels.topLeft());
    }
}

QPaintEngine* FrmView::paintEngine() const {
    return m_frozen ? nullptr : QWidget::paintEngine();
}

void FrmView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Form_MouseMove(at.x(), at.y());
}

bool FrmView::eventFilter(QObject* watched, QEvent* event) {
    // A Wayland compositor shows a window at its new size or state only once the window has drawn
    // a frame after it, and Qt does not send again a frame it has sent: a fresh one is drawn, or
    // the overlay stays unseen, deaf to the pointer, until the compositor stops waiting.
    if (event->type() == QEvent::Expose && watched == windowHandle())
        update();
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease &&
        event->type() != QEvent::ShortcutOverride)
        return QWidget::eventFilter(watched, event);
    // Escape cancels like a right click; no other key does anything.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        Form_MouseDown(RightButton, 0);
    return true;
}

void FrmView::mousePressEvent(QMouseEvent* event) {
    press(event->button(), event->modifiers());
}

void FrmView::mouseReleaseEvent(QMouseEvent* event) {
    release(event->button());
}

void FrmView::press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    markTiming("click");
    // Teaching, the drawing ends when the left button comes up: held, it draws; clicked, what
    // the pointer drew on its way is the drawing.
    if (m_teaching && button == Qt::LeftButton && modifiers == Qt::NoModifier) {
        m_teachingPress =
            TeachingPress{m_stroke.isEmpty() ? std::nullopt : std::optional(m_stroke.back())};
        return;
    }
    Form_MouseDown(buttonOf(button), shiftOf(modifiers));
}

void FrmView::release(Qt::MouseButton button) {
    if (button == Qt::LeftButton && std::exchange(m_teachingPress, std::nullopt))
        Form_MouseDown(LeftButton, 0);
}
