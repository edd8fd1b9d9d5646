#pragma once

#include <QImage>
#include <QObject>
#include <QRegion>

#include <memory>

class QScreen;

// A surface of the compositor's over one screen, above everything (panels included), through
// which the live desktop shows wherever it is clear; the pointer and the keyboard are its own
// while it is up.
class OverlaySurface : public QObject {
    Q_OBJECT

public:
    // What the surface shows, premultiplied (clear is see-through), in the screen's own pixels:
    // its pixel ratio is the screen's scale. Drawn into freely; shown by present().
    virtual QImage& picture() = 0;
    // Pixels of the picture to a pixel of the surface.
    virtual int scale() const = 0;
    // Shows the picture where it changed (in the surface's pixels), as soon as it can.
    virtual void present(const QRegion& changed) = 0;

Q_SIGNALS:
    // The compositor gave the surface its size: the picture is new, and clear.
    void configured();
    void pointerMoved(QPoint at);
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
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
