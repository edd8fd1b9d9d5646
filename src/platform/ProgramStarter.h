#pragma once

#include <QString>
#include <QStringList>

// Starts programs and opens files as the desktop does, without waiting and without a shell.
// Each call returns false when nothing could be started; the reason goes to the log.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
    // A document or a folder, in the application the desktop associates with it.
    virtual bool openWithDefaultApplication(const QString& path) = 0;
    // Whether the desktop associates an application with this document or folder.
    virtual bool hasApplicationFor(const QString& path) const = 0;
    // A desktop entry, as its Exec line says.
    virtual bool launchDesktopEntry(const QString& path) = 0;
    // The application a desktop entry names, in the user's language; empty when it is none.
    virtual QString applicationName(const QString& desktopEntry) const = 0;
};
