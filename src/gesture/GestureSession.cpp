// The road of one gesture, in the order it is travelled.
#include "gesture/GestureSession.h"

#include "overlay/Capture.h"
#include "overlay/FrmView.h"
#include "platform/OverlaySurface.h"
#include "platform/ScreenFreezer.h"
#include "platform/ScreenPhotographer.h"
#include "platform/Twips.h"
#include "platform/process/Memory.h"
#include "platform/process/Timing.h"
#include "prefs/Preferences.h"
#include "recognition/OutcomeText.h"
#include "recognition/RecognitionDisplay.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcGesture, "gestrix.gesture", QtCriticalMsg)

namespace {

constexpr int triggerPollIntervalMs = 100;
// Photographs slower than this are not waited for: the overlays open on their calm background.
// Faster, they open on them at once, without a flash of another background first.
constexpr int photographWaitMs = 100;
// A new user's first gestures show how a gesture goes.
constexpr int gesturesHelpedAtMost = 5;

// Where the desktop places windows, every screen is covered, each by an overlay of its own.
// Elsewhere the screens of the pointer's desktop are, its own first, by one overlay.
QList<QScreen*> screensToCover(bool windowsPlacedByTheDesktop) {
    if (windowsPlacedByTheDesktop)
        return QGuiApplication::screens();
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    QList<QScreen*> screens = screen->virtualSiblings();
    screens.removeAll(screen);
    screens.prepend(screen);
    return screens;
}

// The screens' photographs as one picture of the area they span, each in its place, at the given
// pixel ratio; null when there is no photograph at all.
QImage joined(const QList<QPointer<QScreen>>& screens, const QList<QImage>& photographs,
              const QRect& span, qreal ratio) {
    if (std::all_of(photographs.begin(), photographs.end(),
                    [](const QImage& photograph) { return photograph.isNull(); }))
        return {};
    QImage picture((QSizeF(span.size()) * ratio).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    for (qsizetype i = 0; i < screens.size(); ++i) {
        if (screens[i] && !photographs[i].isNull())
            painter.drawImage(QRectF(screens[i]->geometry().translated(-span.topLeft())),
                              photographs[i]);
    }
    return picture;
}

} // namespace

GestureSession::GestureSession(const Platform& platform, const ShortcutList& shortcuts,
                               QSize comparisonSize, QObject* parent)
    : QObject(parent), m_platform(platform), m_symbols(shortcuts), m_comparisonSize(comparisonSize),
      m_referenceGrid([] {
          SymbolGrid white;
          ClearGrid(white);
          return white;
      }) {
    m_platform.trigger.setHandler(this);
    connect(&TimDetect, &QTimer::timeout, this, &GestureSession::TimDetect_Timer);
    m_photographWait.setSingleShot(true);
    m_photographWait.setInterval(photographWaitMs);
    connect(&m_photographWait, &QTimer::timeout, this, [this] {
        qCDebug(lcGesture) << "the photographs are late: the overlays open without them";
        openOverlays(m_asked, QList<QImage>(m_asked.size()));
    });
}

// The overlays are top-level windows of their own.
GestureSession::~GestureSession() {
    m_platform.trigger.setHandler(nullptr);
    qDeleteAll(m_overlays);
}

FrmView* GestureSession::overlay() const {
    return m_overlays.value(0).data();
}

FrmView* GestureSession::overlayAt(std::optional<QPoint> global) const {
    for (FrmView* overlay : m_overlays) {
        if (overlay && global && overlay->geometry().contains(*global))
            return overlay;
    }
    return overlay();
}

void GestureSession::setGestureUp(bool up) {
    isShow = up;
    m_platform.trigger.setWelcome(welcome());
}

void GestureSession::setPaused(bool paused) {
    m_paused = paused;
    m_platform.trigger.setWelcome(welcome());
}

PressWelcome GestureSession::welcome() const {
    return {.taking = !m_paused && !isShow, .iconArea = m_iconArea ? m_iconArea() : QRect()};
}

// 1. The trigger. An idle program wakes for nothing: the poll runs only where presses cannot
// arrive as events.
void GestureSession::configureTrigger(const TriggerSettings& settings) {
    m_platform.trigger.configure(settings);
    m_platform.trigger.setWelcome(welcome());
    if (m_platform.trigger.watchedElsewhere()) {
        TimDetect.stop();
        qCWarning(lcGesture) << "another Gestrix answers the button on this display";
        Q_EMIT triggerWatchedElsewhere();
    } else if (!m_platform.trigger.isAvailable()) {
        TimDetect.stop();
        qCWarning(lcGesture) << "no trigger button here: bind \"gestrix --gesture\" to a shortcut";
        if (m_platform.trigger.needsAccess())
            Q_EMIT triggerNeedsAccess();
    } else if (m_platform.trigger.deliversPresses()) {
        TimDetect.stop();
    } else {
        TimDetect.start(triggerPollIntervalMs);
    }
}

void GestureSession::TimDetect_Timer() {
    const TriggerState trigger = m_platform.trigger.read();
    // A short press since the last poll counts too, unless a gesture was under way then: that
    // press may be the click that ended it.
    const bool pressed =
        trigger.downNow || (trigger.pressedSinceLastReading && !m_gestureUpAtLastPoll);
    if (pressed && !isShow && !m_paused)
        startGesture();
    m_gestureUpAtLastPoll = isShow;
}

bool GestureSession::triggerPressed(const TriggerPress& press) {
    if (!welcome().takes(press))
        return false;
    startGesture();
    // Where the photograph comes later, the press is over before the overlay opens.
    if (FrmView* pressedOn = overlayAt(press.position))
        pressedOn->holdStarted(press.position);
    return isShow;
}

void GestureSession::triggerHeldMove(QPoint position) {
    if (FrmView* held = overlayAt(position))
        held->heldMove(position);
}

void GestureSession::triggerReleased(std::optional<QPoint> position) {
    if (FrmView* held = overlayAt(position))
        held->heldReleased();
}

void GestureSession::startOnRequest() {
    if (!isShow)
        startGesture();
}

void GestureSession::teach() {
    if (isShow)
        return;
    m_teaching = true;
    startGesture();
}

// 2. The photographs, taken before the overlays exist so that they never show an overlay.
void GestureSession::startGesture() {
    markTiming("trigger");
    const QList<QScreen*> screens = screensToCover(m_platform.windowsPlacedByTheDesktop);
    // Without a screen there is no overlay, so no gesture is under way.
    if (screens.isEmpty()) {
        m_teaching = false;
        return;
    }
    // Under way from the request on: the photographs may take a while, and a second press
    // meanwhile must not ask for others.
    setGestureUp(true);
    ++m_gestureNumber;
    // The last gesture's overlays may not be deleted yet; they are not this one's.
    m_overlays.clear();
    if (openFrozenOverlay(screens))
        return;
    m_asked = {screens.begin(), screens.end()};
    m_awaitingPhotographs = true;
    m_platform.photographer.photograph(
        screens, [this, gesture = m_gestureNumber](QList<QImage> photographs) {
            photographed(gesture, std::move(photographs));
        });
    if (m_awaitingPhotographs)
        m_photographWait.start();
}

void GestureSession::photographed(int gesture, QList<QImage> photographs) {
    // A gesture that has ended, or another one, has no use for them.
    if (gesture != m_gestureNumber || !std::exchange(m_awaitingPhotographs, false))
        return;
    markTiming("photographed");
    qCDebug(lcGesture) << "photographs:"
                       << std::count_if(photographs.begin(), photographs.end(),
                                        [](const QImage& image) { return !image.isNull(); })
                       << "of" << photographs.size() << "screens";
    if (m_overlays.isEmpty()) {
        m_photographWait.stop();
        openOverlays(m_asked, std::move(photographs));
        return;
    }
    // The overlays are up on their calm background: each shows its screen's photograph.
    for (qsizetype i = 0; i < m_asked.size(); ++i) {
        for (FrmView* overlay : std::as_const(m_overlays)) {
            if (overlay && m_asked[i] && overlay->screen() == m_asked[i])
                overlay->showPhotograph(std::move(photographs[i]));
        }
    }
}

// 3. The overlays, one a screen: the user draws on any; previews and clicks come back as
// captures, and the end of the gesture on one closes them all.
void GestureSession::openOverlays(const QList<QPointer<QScreen>>& screens,
                                  QList<QImage> photographs) {
    // The desktop's own question about photographs went up with the request: covering it would
    // leave the user under it, wondering.
    if (m_platform.photographer.desktopIsAsking()) {
        closed();
        Q_EMIT desktopAsking();
        return;
    }
    const bool frameShown = prefs::load().frameShown;
    if (m_platform.windowsPlacedByTheDesktop || screens.size() == 1) {
        for (qsizetype i = 0; i < screens.size(); ++i) {
            // A screen that went away while the photographs were on their way is not covered.
            if (screens[i])
                m_overlays.append(openOverlay(*screens[i], std::move(photographs[i]), frameShown));
        }
    } else if (FrmView* spanning = openSpanningOverlay(screens, photographs, frameShown)) {
        m_overlays.append(spanning);
    }
    showOverlays();
}

// Where the display server holds the frozen screens itself, nothing is photographed: one
// overlay over them all shows what the server holds. It must map onto the overlay pixel for
// pixel: a whole pixel ratio, and at a ratio above 1 one screen (Qt's scaled screens do not meet
// edge to edge). Other screens are photographed.
bool GestureSession::openFrozenOverlay(const QList<QScreen*>& screens) {
    const qreal ratio = screens[0]->devicePixelRatio();
    if (!m_platform.freezer || m_platform.windowsPlacedByTheDesktop || ratio != std::floor(ratio) ||
        (ratio != 1 && screens.size() > 1))
        return false;
    QRect span;
    for (const QScreen* screen : screens) {
        if (screen->devicePixelRatio() != ratio)
            return false;
        span = span.united(screen->geometry());
    }
    // A scaled screen keeps its corner where the server has it.
    std::unique_ptr<FrozenScreen> frozen =
        m_platform.freezer->freeze(QRect(span.topLeft(), span.size() * ratio));
    if (!frozen)
        return false;
    markTiming("frozen");
    auto* overlay = new FrmView(std::move(frozen), span, prefs::load().frameShown);
    overlay->setScreen(screens[0]);
    overlay->setPenScreenWidth(screens[0]->geometry().width());
    m_overlays.append(overlay);
    showOverlays();
    return true;
}

void GestureSession::showOverlays() {
    // The overlays of several screens share one drawing, with one pen: a stroke may go from one
    // screen to another.
    if (m_overlays.size() > 1) {
        for (FrmView* overlay : std::as_const(m_overlays)) {
            overlay->setPenScreenWidth(m_overlays.first()->width());
            for (FrmView* other : std::as_const(m_overlays)) {
                if (other == overlay)
                    continue;
                connect(overlay, &FrmView::strokeExtended, other, &FrmView::followStroke);
                connect(overlay, &FrmView::strokeRestarted, other, &FrmView::restartStroke);
            }
        }
    }
    const QString help = m_teaching ? QString() : helpForNewcomers();
    for (FrmView* overlay : std::as_const(m_overlays)) {
        if (m_teaching)
            overlay->showTeaching();
        else
            overlay->showHelp(help);
        connect(overlay, &FrmView::captured, this, &GestureSession::recognise);
        connect(overlay, &FrmView::shown, this, [this] { m_platform.trigger.releaseKeyboard(); });
        connect(overlay, &FrmView::gestureEnded, this, [this] {
            setGestureUp(false);
            for (FrmView* other : std::as_const(m_overlays)) {
                if (other)
                    other->cancel();
            }
        });
        // An overlay is deleted a moment after it closed: a gesture started meanwhile is not its.
        connect(overlay, &QObject::destroyed, this, [this, gesture = m_gestureNumber] {
            if (gesture == m_gestureNumber && --m_overlaysLeft == 0)
                closed();
        });
    }
    m_overlaysLeft = int(m_overlays.size());
    if (m_overlays.isEmpty()) {
        closed();
        return;
    }
    for (FrmView* overlay : std::as_const(m_overlays))
        overlay->show();
}

// A user's first few gestures say how a gesture goes; after that they say nothing.
QString GestureSession::helpForNewcomers() {
    prefs::Preferences preferences = prefs::load();
    if (preferences.gesturesHelped >= gesturesHelpedAtMost)
        return {};
    ++preferences.gesturesHelped;
    // Unsaved, the help shows once more next time: nothing to tell the user about.
    if (prefs::save(preferences, {prefs::Setting::GesturesHelped}))
        qCWarning(lcGesture) << "the count of gestures with help was not saved";
    return tr("Dessinez un symbole, puis cliquez ; clic droit ou Échap pour annuler");
}

// Without a photograph, the desktop shows through a surface above everything where the
// compositor offers one.
FrmView* GestureSession::openOverlay(QScreen& screen, QImage photograph, bool frameShown) {
    if (photograph.isNull() && m_platform.surfaces) {
        if (std::unique_ptr<OverlaySurface> surface = m_platform.surfaces->cover(screen))
            return new FrmView(std::move(surface), screen.geometry(), frameShown);
    }
    // The gesture's first window is modal; the others are its own, which leaves them their input.
    const auto window = std::find_if(m_overlays.begin(), m_overlays.end(), [](FrmView* other) {
        return other && !other->isOnLayerSurface();
    });
    auto* overlay = new FrmView(std::move(photograph), screen.geometry(), frameShown,
                                window == m_overlays.end() ? nullptr : window->data());
    overlay->setScreen(&screen);
    if (m_platform.windowsPlacedByTheDesktop)
        overlay->setWindowState(Qt::WindowFullScreen);
    return overlay;
}

// One window over the screens side by side, so that a stroke may go from one to another; the pen
// is the first screen's, as with an overlay of its own.
FrmView* GestureSession::openSpanningOverlay(const QList<QPointer<QScreen>>& screens,
                                             const QList<QImage>& photographs, bool frameShown) {
    QRect span;
    for (const QPointer<QScreen>& screen : screens) {
        if (screen)
            span = span.united(screen->geometry());
    }
    if (!screens[0] || span.isEmpty())
        return nullptr;
    auto* overlay = new FrmView(joined(screens, photographs, span, screens[0]->devicePixelRatio()),
                                span, frameShown);
    overlay->setScreen(screens[0]);
    overlay->setPenScreenWidth(screens[0]->geometry().width());
    return overlay;
}

// The gesture's resources go back to the system once its overlay has gone.
void GestureSession::closed() {
    qCDebug(lcGesture) << "gesture over";
    m_awaitingPhotographs = false;
    m_photographWait.stop();
    m_platform.trigger.releaseKeyboard();
    setGestureUp(false);
    m_teaching = false;
    m_platform.photographer.release();
    releaseFreedMemory();
}

// 4. A capture, reduced and sampled into the drawing recognition sees. A gesture for the editor
// recognises nothing: its final drawing is taught.
void GestureSession::recognise(const QImage& block, const Stroke& stroke, bool DontLaunch) {
    // Of several overlays, all hold the same drawing: one's previews are enough, and none is
    // shown before there is a stroke.
    auto* from = qobject_cast<FrmView*>(sender());
    if (from && DontLaunch && m_overlays.size() > 1 &&
        (stroke.isEmpty() || from != m_overlays.first()))
        return;
    const QImage comparison = capture::comparisonPicture(block, m_comparisonSize);
    Q_EMIT captured(block, comparison);
    const DrawingGrid drawing = sampleDrawing(comparison, twips::perPixel, twips::perPixel);
    if (!m_teaching) {
        Comparaison(drawing, stroke, DontLaunch);
    } else if (!DontLaunch) {
        m_teaching = false;
        Q_EMIT drawingTaught(drawing, stroke);
    }
}

// 5. Recognition and the decision; 6. the program starts.
void GestureSession::Comparaison(const DrawingGrid& drawing, const Stroke& stroke,
                                 bool DontLaunch) {
    const prefs::Preferences preferences = prefs::load();
    const RecognitionResult result = recogniseGesture({drawing,
                                                       stroke,
                                                       {preferences.recognition, m_sliders},
                                                       m_bars,
                                                       m_referenceGrid(),
                                                       DontLaunch},
                                                      m_symbols, m_platform.starter);
    m_bars = result.decision.bars;
    Q_EMIT barsChanged(m_bars);
    if (m_display) {
        m_display->showDecision(result.decision, result.caption, preferences.nameShown);
    } else {
        for (FrmView* shown : std::as_const(m_overlays)) {
            if (shown)
                shown->showDecision(result.decision, result.caption, preferences.nameShown);
        }
    }
    if (result.program) {
        if (const Outcome<LaunchError> failure = result.program->launch(m_platform.starter)) {
            qCWarning(lcGesture) << "cannot start" << failure->detail;
            Q_EMIT launchFailed(tr("« %1 » n'a rien lancé : %2.")
                                    .arg(result.shortcut, launchProblemText(failure->error)));
        } else {
            markTiming("started");
        }
    }
    Q_EMIT referenceGridChanged(result.referenceGrid);
}
