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
