#pragma once

#include "recognition/RecognitionDisplay.h"
#include "recognition/Stroke.h"

#include <QImage>
#include <QPointer>
#include <QRectF>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

class FrozenScreen;
class LayerPresenter;
class OverlaySurface;
class QLabel;

// The full-screen overlay on which a gesture is drawn: the frozen screen, the stroke where the
// pointer went, the frame shp round it and the label lblLaunch. It records and paints the stroke,
// hands out what it captures, and shows the decisions it is given. It is created for one gesture
// and deletes itself when the gesture ends. Shown on a layer surface, it stays a hidden widget
// whose painting and input go through the surface.
class FrmView final : public QWidget, public RecognitionDisplay {
    Q_OBJECT

public:
    // Mouse buttons and modifier keys as the handlers see them.
    enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum Shift { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

    // photograph: the screen as it stood, shown unscaled at (0, 0) in the screen's own pixels,
    // and painted on; a null image gives a plain background with a line of help. screen: the
    // geometry it covers.
    // frameShown: whether the frame is drawn. parent: the overlay of another screen, for the
    // same gesture.
    FrmView(QImage photograph, const QRect& screen, bool frameShown, QWidget* parent = nullptr);
    // Shown on a surface of the compositor's layer shell: the live desktop under a light veil.
    FrmView(std::unique_ptr<OverlaySurface> surface, const QRect& screen, bool frameShown);
    // Over the screen as the display server holds it (unscaled): only the stroke, the frame and
    // the label are drawn, a piece at a time.
    FrmView(std::unique_ptr<FrozenScreen> frozen, const QRect& screen, bool frameShown);
    ~FrmView() override;

    // The photograph came after the overlay opened without one: it takes the calm background's
    // place, under what was drawn meanwhile. Nothing where the desktop shows through.
    void showPhotograph(QImage photograph);

    // The pen is a 24th of a screen's width: of this one when the overlay spans several.
    void setPenScreenWidth(int width) { m_penScreenWidth = width; }

    void Form_MouseMove(int X, int Y);
    // The stroke went on over the overlay of another screen (a global position): it is one
    // drawing, drawn here too where it shows.
    void followStroke(QPoint global);
    void Form_MouseDown(int Button, int Shift);
    // A click on the overlay, and a button coming up.
    void press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void release(Qt::MouseButton button);
    // Nothing drawn any more: the stroke starts again with the next movement.
    void restartStroke();
    // One line of help at the top, over what is shown; none when empty.
    void showHelp(const QString& text);
    // Ends the gesture as a right click would; nothing once it has ended.
    void cancel();

    // The trigger press that opened the overlay (at a global position), which the stroke starts
    // from; while it is held its movements draw, and a release after a stroke ends the gesture
    // like a click. A press read from the mouse itself has no position: the hold starts where
    // the stroke does.
    void holdStarted(std::optional<QPoint> global);
    void heldMove(QPoint global);
    void heldReleased();

    // RecognitionDisplay
    void showDecision(const Decision& decision, const QString& caption, bool nameShown) override;
    // A drawing for the editor: a line of help says how to draw, the frame is neutral, since
    // nothing is recognised, and the left button may be held to draw.
    void showTeaching();

    // The stroke's bounds and the frame, in screen pixels (halves kept).
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    int DrawWidth = 0;
    const QRectF& shp() const { return m_shp; }
    bool isFrameVisible() const { return m_frameVisible; }
    const QColor& frameColour() const { return m_frameColour; }
    QPointF labelPosition() const { return m_labelPosition; }
    QLabel& lblLaunch() const { return *m_label; }
    const QString& help() const { return m_help; }
    // What the user sees (none over a frozen screen), and the stroke alone (black dots on white)
    // that captures copy.
    const QImage& canvas() const { return m_canvas; }
    const QImage& strokeLayer() const { return m_strokeLayer; }

    void setVisible(bool visible) override;
    // Shown on a layer surface rather than as a window of its own.
    bool isOnLayerSurface() const { return m_layer != nullptr; }

Q_SIGNALS:
    // The stroke's block of the stroke layer (black on white) and the pointer's path so far, for
    // a preview (DontLaunch) or a click; the overlay is hidden first when the click ends the
    // gesture.
    void captured(const QImage& block, const Stroke& stroke, bool DontLaunch);
    // The gesture is over (ended by a click, or cancelled): the overlay closes.
    void gestureEnded();
    // First painted: it takes the keyboard now.
    void shown();
    // The pointer drew here (a global position), for the overlays of other screens.
    void strokeExtended(QPoint global);
    // The drawing started again here, and so on the overlays of other screens.
    void strokeRestarted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Over a frozen screen, nothing of Qt's paints: the pieces are drawn here.
    QPaintEngine* paintEngine() const override;

private:
    FrmView(QImage photograph, std::unique_ptr<OverlaySurface> surface,
            std::unique_ptr<FrozenScreen> frozen, const QRect& screen, bool frameShown,
            QWidget* parent);
    void Form_Load(QImage photograph);
    void resetBounds();
    // Paints this part again, wherever the overlay is shown.
    void refresh(const QRect& area);
    // Changes the label and paints it again, where it was and where it is.
    template <typename Change> void changeLabel(Change change);
    void paintHint();
    void makeStrokeLayer();
    void paintFrame(QPainter& painter) const;
    void paintOverFrozen(const QRegion& region);
    void setLabelShown(bool shown);
    void Timer1_Timer();
    void capture(bool DontLaunch);
    void paintStroke(QPoint from, QPoint to);
    void placeFrame();
    void unload();
    void setFrameColour(const QColor& colour);
    // Asks for a repaint of the frame's outline only.
    void updateFrameEdges();

    QImage m_canvas;
    QImage m_strokeLayer;
    Stroke m_stroke;
    QRectF m_shp;
    bool m_frameShown = true;
    bool m_frameVisible = false;
    QColor m_frameColour;
    QPointF m_labelPosition;
    QLabel* m_label = nullptr;
    bool m_painted = false;
    bool m_unloaded = false;
    bool m_keyboardGrabbed = false;
    QPointer<QWidget> m_activeBefore;
    std::optional<QPoint> m_pressedAt; // until the first movement
    bool m_holding = false;
    std::optional<QPoint> m_holdStart;
    qreal m_holdTravel = 0;
    int m_penScreenWidth = 0;    // 0: the overlay's own width
    bool m_following = false;    // drawing what another overlay was given
    bool m_strokeShared = false; // the stroke went over another screen's overlay too
    QTimer Timer1;
    LayerPresenter* m_layer = nullptr; // where the overlay is shown on a layer surface
    std::unique_ptr<FrozenScreen> m_frozen;
    bool m_labelShown = false; // over a frozen screen the label widget stays hidden
    QRegion m_frozenToRestore; // where something drawn has gone since
    QString m_help;            // the line of help at the top
    QRect m_helpArea;          // where it shows; empty without one
    bool m_teaching = false;
    QImage m_background; // teaching: the canvas with nothing drawn, to start again from
    // The left button held while teaching; until it has moved, where it was pressed over a
    // stroke drawn on the way.
    struct TeachingPress {
        std::optional<QPoint> from;
    };
    std::optional<TeachingPress> m_teachingPress;
};
