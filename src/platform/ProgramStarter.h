#pragma once

#include <QString>
#include <QStringList>

// Starts a program without waiting for it and without a shell in between.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // False when the program could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

// The platform's program start. There is no way to ask an X11 program to open maximised, so the
// started program chooses its own window state.
class ProcessStarter final : public ProgramStarter {
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
};
