#pragma once

#include <QImage>
#include <QSize>

// What the gesture overlay needs of the main window.
class OverlayHost {
public:
    virtual ~OverlayHost() = default;

    // FrmMain.isShow: a gesture is under way. Previews run only while it is set.
    virtual bool isGestureUp() const = 0;
    virtual void setGestureUp(bool up) = 0;

    // The size of the comparison picture, in pixels.
    virtual QSize comparisonSize() const = 0;
    // Keeps a capture: the stroke's block (PicView) and its reduction (PicCompare).
    virtual void setCapture(const QImage& block, const QImage& comparison) = 0;
    // Recognises the captured drawing; starts its program unless DontLaunch.
    virtual void Comparaison(bool DontLaunch) = 0;
};
