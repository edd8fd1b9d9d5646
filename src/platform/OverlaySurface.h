#pragma once

#include <QImage>
#include <QObject>
#include <QRegion>

#include <functional>
#include <memory>

class QScreen;

// A surface of the compositor's over one screen, above everything (panels included), through
// which the live desktop shows wherever it is clear; the pointer and the keyboard are its own
// while it is up.
class OverlaySurface : public QObject {
    Q_OBJECT

public:
    // What paints the surface: given the picture of a buffer the compositor does not hold
    // (premultiplied, clear is see-through, in the screen's own pixels: its pixel ratio is the
    // screen's scale) and the area of it to paint anew, in the surface's pixels. The area may be
    // more than what last changed: what changed since that buffer was last shown.
    using Painter = std::function<void(QImage& picture, const QRegion& area)>;
    virtual void setPainter(Painter painter) = 0;
    // Pixels of the picture to a pixel of the surface.
    virtual int scale() const = 0;
    // Shows what changed (in the surface's pixels): painted straight into a free buffer, as soon
    // as the compositor has one free.
    virtual void present(const QRegion& changed) = 0;

Q_SIGNALS:
    // The compositor gave the surface its size: all of it is to be painted.
    void configured();
    void pointerMoved(QPoint at);
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void buttonReleased(Qt::MouseButton button);
    void escapePressed();
    // The compositor took the surface away (its screen went, or the connection failed).
    void closed();
};

// Where the compositor offers such surfaces: the overlays without a photograph show the desktop
// through them.
class OverlaySurfaces {
public:
    virtual ~OverlaySurfaces() = default;
    // A surface covering this screen, shown once it has a picture; nothing where the screen is
    // none of the compositor's outputs.
    virtual std::unique_ptr<OverlaySurface> cover(const QScreen& screen) = 0;
};
