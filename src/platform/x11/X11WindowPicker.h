#pragma once

#include <QObject>
#include <QStringList>

#include <cstdint>
#include <memory>

class QSocketNotifier;
struct xcb_connection_t;

// Lets the user click any window and tells its WM_CLASS: the pointer is taken, as a cross, until
// the next click. A click of another button than the left, or on no application's window, picks
// nothing.
class X11WindowPicker final : public QObject {
    Q_OBJECT

public:
    // Nothing where windows cannot be picked: not on X11 (Wayland, offscreen), or the pointer is
    // taken by another program.
    static std::unique_ptr<X11WindowPicker> start();
    ~X11WindowPicker() override;

Q_SIGNALS:
    // Once, with the window's names, or none.
    void picked(const QStringList& windowClass);

private:
    explicit X11WindowPicker(xcb_connection_t* connection);
    void readEvents();

    xcb_connection_t* m_connection;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
