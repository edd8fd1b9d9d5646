#pragma once

#include "platform/ProgramStarter.h"

// The platform's program start. There is no way to ask an X11 program to open maximised, so the
// started program chooses its own window state.
class ProcessStarter final : public ProgramStarter {
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
};
