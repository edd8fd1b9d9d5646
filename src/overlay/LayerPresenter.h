#pragma once

#include <QObject>
#include <QRegion>

#include <memory>

class FrmView;
class OverlaySurface;

// Shows an overlay on a surface of the compositor's layer shell instead of a window of its own:
// what the overlay paints is drawn into the surface's picture, and the surface's pointer and
// keys come back to it. The overlay itself stays hidden.
class LayerPresenter final : public QObject {
public:
    LayerPresenter(FrmView& view, std::unique_ptr<OverlaySurface> surface);
    ~LayerPresenter() override;

    // Shown: painted as soon as the surface has its size. Hidden: the surface goes at once.
    void setShown(bool shown);
    // Paints this part of the overlay again.
    void refresh(const QRect& area);
    // Pixels of the surface's picture to a pixel of the overlay.
    int scale() const;

private:
    void paint();

    FrmView& m_view;
    std::unique_ptr<OverlaySurface> m_surface;
    QRegion m_changed;
    bool m_shown = false;
    bool m_paintQueued = false;
};
