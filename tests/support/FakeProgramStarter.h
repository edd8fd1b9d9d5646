#pragma once

#include "platform/ProgramStarter.h"

#include <QList>

// Records everything it is asked to start or open; starts nothing.
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
    bool openWithDefaultApplication(const QString& path) override {
        opened.append(path);
        return succeeds;
    }
    bool hasApplicationFor(const QString&) const override { return opens; }
    QString applicationName(const QString&) const override { return application; }
    bool launchDesktopEntry(const QString& path) override {
        desktopEntries.append(path);
        return succeeds;
    }

    QList<Call> calls;
    QStringList opened;
    QStringList desktopEntries;
    bool succeeds = true;
    bool opens = true;                                // documents and folders have an application
    QString application = QStringLiteral("Fake App"); // every desktop entry's name
};
