#pragma once

#include "recognition/RecognitionDisplay.h"

#include <QImage>
#include <QPointer>
#include <QRectF>
#include <QTimer>
#include <QWidget>

#include <optional>

class OverlayHost;
class QLabel;

// The full-screen overlay on which a gesture is drawn: the frozen screen, black dots where the
// pointer went, the frame shp round them and the label lblLaunch. It is created for one gesture
// and deletes itself when the gesture ends.
class FrmView final : public QWidget, public RecognitionDisplay {
    Q_OBJECT

public:
    // Mouse buttons and modifier keys as the handlers see them.
    enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum Shift { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

    // photograph: the screen as it stood, shown unscaled at (0, 0) in the screen's own pixels,
    // and painted on; a null image gives a see-through veil. screen: the geometry it covers.
    FrmView(OverlayHost& host, QImage photograph, const QRect& screen, QWidget* parent = nullptr);

    void Form_MouseMove(int X, int Y);
    void Form_MouseDown(int Button, int Shift);

    // The trigger press that opened the overlay is held (at a global position): until it is
    // released its movements draw, and a release after a stroke ends the gesture like a click.
    void holdStarted(QPoint global);
    void heldMove(QPoint global);
    void heldReleased();

    // RecognitionDisplay
    void setFrameColour(const QColor& colour) override;
    void setLabelCaption(const QString& caption) override;
    bool isLabelVisible() const override;
    void setLabelVisible(bool visible) override;

    // The stroke's bounds and the frame, in screen pixels (halves kept).
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    int DrawWidth = 0;
    const QRectF& shp() const { return m_shp; }
    bool isFrameVisible() const { return m_frameVisible; }
    const QColor& frameColour() const { return m_frameColour; }
    QPointF labelPosition() const { return m_labelPosition; }
    QLabel& lblLaunch() const { return *m_label; }
    // What the user sees, and the stroke alone (black dots on white) that captures copy.
    const QImage& canvas() const { return m_canvas; }
    const QImage& strokeLayer() const { return m_strokeLayer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Form_Load(QImage photograph);
    void Timer1_Timer();
    void Timer2_Timer();
    void capture(bool DontLaunch);
    void paintStroke(QPoint from, QPoint to);
    void placeFrame();
    void unload();
    // Asks for a repaint of the frame's outline only.
    void updateFrameEdges();

    OverlayHost& m_host;
    QImage m_canvas;
    QImage m_strokeLayer;
    std::optional<QPoint> m_lastPosition;
    QRectF m_shp;
    bool m_frameVisible = false;
    QColor m_frameColour;
    QPointF m_labelPosition;
    QLabel* m_label = nullptr;
    bool m_painted = false;
    bool m_keyboardGrabbed = false;
    QPointer<QWidget> m_activeBefore;
    bool m_holding = false;
    QPoint m_holdStart;
    qreal m_holdTravel = 0;
    QTimer Timer1;
    QTimer Timer2;
};
