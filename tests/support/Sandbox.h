#pragma once

#include <QTemporaryDir>

// Points HOME and the XDG folders at a fresh temporary folder for the whole test program, so no
// test reads or writes the user's settings or shortcuts; the folder goes when the sandbox does.
// Make it before any Qt object exists.
class Sandbox {
public:
    Sandbox();

private:
    QTemporaryDir m_root;
};
