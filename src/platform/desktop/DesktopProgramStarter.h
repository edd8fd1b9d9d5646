#pragma once

#include "platform/ProgramStarter.h"

// Programs started as a Linux desktop starts them: an executable through QProcess (there is no
// way to ask an X11 program to open maximised, so it chooses its own window state); a document
// or a folder in the application GIO finds for its type, and a desktop entry through GIO, which
// knows its field codes, its terminal setting and its working folder. GIO says when either
// cannot start.
class DesktopProgramStarter final : public ProgramStarter {
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
    bool openWithDefaultApplication(const QString& path) override;
    bool hasApplicationFor(const QString& path) const override;
    bool launchDesktopEntry(const QString& path) override;
    QString applicationName(const QString& desktopEntry) const override;
};
