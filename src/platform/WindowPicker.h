#pragma once

#include <QObject>
#include <QStringList>

// Lets the user click any window and tells its class: the pointer is the picker's, as a cross,
// until the next click. A click of another button than the left, or on no application's window,
// picks nothing.
class WindowPicker : public QObject {
    Q_OBJECT

public:
    // False where the pointer cannot be taken now (another program holds it).
    virtual bool start() = 0;
    // Lets the pointer go without a pick.
    virtual void stop() = 0;

Q_SIGNALS:
    // Once a start, with the window's names, or none.
    void picked(const QStringList& windowClass);
};
