#pragma once

#include "platform/ProgramStarter.h"

#include <QList>

// Records every program it is asked to start; starts nothing.
class FakeProgramStarter final : public ProgramStarter {
public:
    struct Call {
        QString program;
        QStringList arguments;
        bool operator==(const Call&) const = default;
    };

    bool startDetached(const QString& program, const QStringList& arguments) override {
        calls.append({program, arguments});
        return succeeds;
    }

    QList<Call> calls;
    bool succeeds = true;
};
