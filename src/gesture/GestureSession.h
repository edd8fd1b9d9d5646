#pragma once

#include "platform/Platform.h"
#include "platform/TriggerButton.h"
#include "recognition/DrawingSampler.h"
#include "recognition/GestureDecision.h"
#include "recognition/GestureRecognition.h"
#include "recognition/Stroke.h"
#include "store/ShortcutList.h"
#include "store/SymbolGrid.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <functional>
#include <optional>

class FrmView;
class QScreen;
class RecognitionDisplay;

// The road of one gesture, and its state between gestures: a trigger press, a request from
// outside or "Dessiner" starts it; the screens are photographed; the overlays open; their previews
// and its final capture are reduced, recognised and decided; then the program starts, the editor
// is taught the drawing, or nothing happens (cancelled). The main window shows what the gesture
// captured and scored through the signals, and tells it the sliders and the reference grid.
class GestureSession final : public QObject, public TriggerHandler {
    Q_OBJECT

public:
    // shortcuts: the list recognised against, kept up to date by its owner. comparisonSize: the
    // comparison picture captures are reduced into.
    GestureSession(const Platform& platform, const ShortcutList& shortcuts, QSize comparisonSize,
                   QObject* parent = nullptr);
    ~GestureSession() override;

    // Watches the trigger button with these settings: by its events where they come, by the
    // poll TimDetect where they do not, not at all where there is no button (Wayland).
    void configureTrigger(const TriggerSettings& settings);
    // The poll: a gesture starts when the trigger button is down and none is under way.
    void TimDetect_Timer();

    // TriggerHandler: a press starts a gesture unless one is up (the press is then a click on
    // the overlay) or it is on our own notification icon.
    bool triggerPressed(const TriggerPress& press) override;
    void triggerHeldMove(QPoint position) override;
    void triggerReleased(std::optional<QPoint> position) override;

    // Paused, the trigger button's presses all go to the window below; a request from outside
    // still starts a gesture.
    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }

    // A gesture asked for from outside ("gestrix --gesture"): started unless one is under way.
    void startOnRequest();
    // "Dessiner": a gesture whose final drawing and its stroke are taught (drawingTaught) instead
    // of launched.
    void teach();

    // Recognises a drawing and the stroke it was drawn with: selects the best symbol, decides
    // against the sliders, shows the outcome on the recognition display and, unless DontLaunch,
    // starts the recognised program.
    void Comparaison(const DrawingGrid& drawing, const Stroke& stroke, bool DontLaunch);

    // What the main window tells: the sliders' positions, where the reference grid is (a
    // recognition starts from it as the window shows it), and where its notification icon is (a
    // press there is the icon's).
    void setThresholds(Thresholds sliders) { m_sliders = sliders; }
    void setReferenceGrid(std::function<SymbolGrid()> grid) { m_referenceGrid = std::move(grid); }
    void setIconArea(std::function<QRect()> iconArea) { m_iconArea = std::move(iconArea); }
    // The shortcut list was rebuilt: its symbols are prepared again when next recognised.
    void shortcutsChanged() { m_symbols.changed(); }

    // isShow: a gesture is under way, from the photograph's request to the overlay's end.
    bool isGestureUp() const { return isShow; }
    // The first overlay of the gesture under way, if any: the overlays of several screens hold
    // the same drawing.
    FrmView* overlay() const;
    // Where Comparaison shows its outcome: the overlay while it is up, unless another is set.
    void setRecognitionDisplay(RecognitionDisplay* display) { m_display = display; }

Q_SIGNALS:
    // A capture: the stroke's block and its reduction into the comparison picture.
    void captured(const QImage& block, const QImage& comparison);
    void barsChanged(Scores bars);
    void referenceGridChanged(const SymbolGrid& grid);
    // A recognised program did not start: what to tell the user.
    void launchFailed(const QString& text);
    // No overlay opened: the desktop is asking the user whether we may photograph the screen.
    void desktopAsking();
    // Another Gestrix watches the trigger button on this display: this one does not.
    void triggerWatchedElsewhere();
    // The trigger button could be read here, but the user has not granted it.
    void triggerNeedsAccess();
    void drawingTaught(const DrawingGrid& drawing, const Stroke& stroke);

private:
    // Marks the gesture as under way and asks for the photographs of the screens it covers; the
    // overlays open when they come, or on their calm background when they are slow, and show
    // them once they come. Nothing when there is no screen.
    void startGesture();
    void photographed(int gesture, QList<QImage> photographs);
    void openOverlays(const QList<QPointer<QScreen>>& screens, QList<QImage> photographs);
    FrmView* openOverlay(QScreen& screen, QImage photograph, bool frameShown);
    // The line of help of a new user's gesture, counted; none once the user has seen a few.
    static QString helpForNewcomers();
    FrmView* openSpanningOverlay(const QList<QPointer<QScreen>>& screens,
                                 const QList<QImage>& photographs, bool frameShown);
    bool openFrozenOverlay(const QList<QScreen*>& screens);
    // The gesture's overlays, wired to it and shown.
    void showOverlays();
    FrmView* overlayAt(std::optional<QPoint> global) const;
    // isShow, and what the trigger is told of it.
    void setGestureUp(bool up);
    // What the trigger is told, so that it decides presses without asking.
    PressWelcome welcome() const;
    void closed();
    void recognise(const QImage& block, const Stroke& stroke, bool DontLaunch);

    Platform m_platform;
    ShortcutSymbols m_symbols;
    QSize m_comparisonSize;
    std::function<SymbolGrid()> m_referenceGrid;
    std::function<QRect()> m_iconArea;
    QTimer TimDetect;
    bool isShow = false;
    bool m_gestureUpAtLastPoll = false;
    bool m_teaching = false;
    bool m_paused = false;
    int m_gestureNumber = 0;          // counts the gestures started
    QList<QPointer<QScreen>> m_asked; // the screens whose photographs are on their way
    bool m_awaitingPhotographs = false;
    QTimer m_photographWait;
    QList<QPointer<FrmView>> m_overlays; // one a screen covered
    int m_overlaysLeft = 0;              // not yet deleted
    RecognitionDisplay* m_display = nullptr;
    Thresholds m_sliders;
    Scores m_bars;
};
