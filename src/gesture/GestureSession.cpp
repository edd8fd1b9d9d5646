// The road of one gesture, in the order it is travelled.
#include "gesture/GestureSession.h"

#include "overlay/Capture.h"
#include "overlay/FrmView.h"
#include "platform/ScreenPhotographer.h"
#include "platform/Twips.h"
#include "platform/process/Memory.h"
#include "platform/process/Timing.h"
#include "prefs/Preferences.h"
#include "recognition/Launcher.h"
#include "recognition/OutcomeText.h"
#include "recognition/RecognitionDisplay.h"
#include "recognition/RecognitionMode.h"
#include "store/SymbolDirectory.h"
#include "store/SymbolFile.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcGesture, "gestrix.gesture", QtCriticalMsg)

namespace {
constexpr int triggerPollIntervalMs = 100;
} // namespace

GestureSession::GestureSession(const Platform& platform, const ShortcutList& shortcuts,
                               const QString& symbolDirectory, QSize comparisonSize,
                               QObject* parent)
    : QObject(parent), m_platform(platform), m_shortcuts(shortcuts),
      m_symbolDirectory(symbolDirectory), m_comparisonSize(comparisonSize) {
    ClearGrid(m_referenceGrid);
    m_platform.trigger.setHandler(this);
    connect(&TimDetect, &QTimer::timeout, this, &GestureSession::TimDetect_Timer);
}

// The overlay is a top-level window of its own.
GestureSession::~GestureSession() {
    m_platform.trigger.setHandler(nullptr);
    delete m_overlay;
}

FrmView* GestureSession::overlay() const {
    return m_overlay;
}

void GestureSession::shortcutsChanged() {
    m_prepared.reset();
}

// Only the precise matcher needs them: the default mode never pays for it.
const PreparedSymbols& GestureSession::preparedSymbols() {
    if (!m_prepared) {
        m_prepared.emplace(m_shortcuts.items());
        qCDebug(lcGesture) << "prepared" << m_prepared->symbols().size() << "symbols";
    }
    return *m_prepared;
}

// 1. The trigger. An idle program wakes for nothing: the poll runs only where presses cannot
// arrive as events.
void GestureSession::configureTrigger(const TriggerSettings& settings) {
    m_platform.trigger.configure(settings);
    if (!m_platform.trigger.isAvailable()) {
        TimDetect.stop();
        qCWarning(lcGesture) << "no trigger button here: bind \"gestrix --gesture\" to a shortcut";
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
    if (pressed && !isShow)
        startGesture();
    m_gestureUpAtLastPoll = isShow;
}

bool GestureSession::triggerPressed(const TriggerPress& press) {
    if (isShow || (m_iconArea && m_iconArea().contains(press.position)))
        return false;
    startGesture();
    // Where the photograph comes later, the press is over before the overlay opens.
    if (m_overlay)
        m_overlay->holdStarted(press.position);
    return isShow;
}

void GestureSession::triggerHeldMove(QPoint position) {
    if (m_overlay)
        m_overlay->heldMove(position);
}

void GestureSession::triggerReleased(QPoint) {
    if (m_overlay)
        m_overlay->heldReleased();
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

// 2. The photograph, taken before the overlay exists so that it never shows the overlay itself.
void GestureSession::startGesture() {
    markTiming("trigger");
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // Without a screen there is no overlay, so no gesture is under way.
    if (!screen) {
        m_teaching = false;
        return;
    }
    // Under way from the request on: the photograph may take a while, and a second press
    // meanwhile must not ask for another.
    isShow = true;
    ++m_gestureNumber;
    m_platform.photographer.photograph(
        screen, [this, screen = QPointer<QScreen>(screen)](QImage photograph) {
            markTiming("photographed");
            // The screen went away while the photograph was on its way: no gesture after all.
            if (!screen) {
                closed();
                return;
            }
            openOverlay(std::move(photograph), *screen);
        });
}

// 3. The overlay: the user draws; previews and clicks come back as captures.
void GestureSession::openOverlay(QImage photograph, const QScreen& screen) {
    m_overlay = new FrmView(std::move(photograph), screen.geometry(), prefs::load().frameShown);
    if (m_teaching)
        m_overlay->showTeaching();
    connect(m_overlay, &FrmView::captured, this, &GestureSession::recognise);
    connect(m_overlay, &FrmView::gestureEnded, this, [this] { isShow = false; });
    // An overlay is deleted a moment after it closed: a gesture started meanwhile is not its.
    connect(m_overlay, &QObject::destroyed, this, [this, gesture = m_gestureNumber] {
        if (gesture == m_gestureNumber)
            closed();
    });
    m_overlay->show();
}

// The gesture's resources go back to the system once its overlay has gone.
void GestureSession::closed() {
    isShow = false;
    m_teaching = false;
    m_platform.photographer.release();
    releaseFreedMemory();
}

// 4. A capture, reduced and sampled into the drawing recognition sees. A gesture for the editor
// recognises nothing: its final drawing is taught.
void GestureSession::recognise(const QImage& block, const Stroke& stroke, bool DontLaunch) {
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
    static const PreparedSymbols unneeded;
    const PreparedSymbols& prepared =
        preferences.recognition == RecognitionMode::Precise ? preparedSymbols() : unneeded;
    const Recognition found =
        ::recognise(preferences.recognition, drawing, stroke, m_shortcuts.items(), prepared,
                    m_referenceGrid, [this](const QString& name) {
                        return symbolfile::read(symbols::filePath(m_symbolDirectory, name));
                    });
    showReferenceGrid(found.referenceGrid);
    const Decision decision = decide(found, m_bars, m_sliders);
    m_bars = decision.bars;
    Q_EMIT barsChanged(m_bars);

    RecognitionDisplay* display = m_display ? m_display : m_overlay.data();
    QString caption;
    if (decision.accepted) {
        caption = recognitionCaption(decision.program, decision.bars.black);
        // While previewing, the label already says when the program cannot be started.
        if (DontLaunch) {
            if (const std::optional<LaunchError> problem = launchProblem(decision.program))
                caption += u" — "_s + launchProblemText(*problem);
        }
    }
    if (display)
        display->showDecision(decision, caption, preferences.nameShown);
    if (!decision.accepted) {
        SymbolGrid white = m_referenceGrid;
        ClearGrid(white);
        showReferenceGrid(white);
    } else if (!DontLaunch) {
        launch(decision);
    }
}

void GestureSession::launch(const Decision& decision) {
    const QString name = m_shortcuts.item(decision.selected)->text;
    if (const Outcome<LaunchError> failure =
            launchRepertoire(decision.program, m_platform.starter)) {
        qCWarning(lcGesture) << "cannot start" << failure->detail;
        Q_EMIT launchFailed(
            tr("« %1 » n'a rien lancé : %2.").arg(name, launchProblemText(failure->error)));
    } else {
        markTiming("started");
    }
    // The grid shows the symbol whose program was asked for.
    SymbolGrid grid = m_referenceGrid;
    symbolfile::paintGridString(grid, m_shortcuts.item(decision.selected)->tag);
    showReferenceGrid(grid);
}

void GestureSession::showReferenceGrid(const SymbolGrid& grid) {
    m_referenceGrid = grid;
    Q_EMIT referenceGridChanged(grid);
}
