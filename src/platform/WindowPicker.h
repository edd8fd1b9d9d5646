#pragma once

#include <QObject>
#include <QStringList>

// Lets the user click any window and tells its class: the pointer and the keyboard are the
// picker's, the pointer as a cross, until the next click. A click of another button than the
// left, or Escape, picks nothing.
class WindowPicker : public QObject {
    Q_OBJECT

public:
    // False where the pointer cannot be taken now (another program holds it).
    virtual bool start() = 0;
    // Lets the pointer go without a pick.
    virtual void stop() = 0;

Q_SIGNALS:
    // Once a start, either: a window was clicked, with its names (none for a window without a
    // class, or the desktop itself);
    void picked(const QStringList& windowClass);
    // or the pick was given up.
    void cancelled();
};
