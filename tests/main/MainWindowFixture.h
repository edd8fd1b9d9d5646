#pragma once

#include "main/FrmMain.h"
#include "overlay/FrmView.h"
#include "store/SymbolFile.h"
#include "support/FakePlatform.h"
#include "support/TestFiles.h"
#include "widgets/GridWidget.h"

#include <QDir>
#include <QSettings>

#include <gtest/gtest.h>

#include <memory>

// A main window over a temporary symbol folder, with empty settings and a fake platform.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() { QSettings(QStringLiteral("Gestrix"), QStringLiteral("Gestrix")).clear(); }

    FrmMain& window() {
        if (!m_window)
            m_window = std::make_unique<FrmMain>(symbolFolder(), fakes.platform(), fakes.shell);
        return *m_window;
    }
    QString symbolFolder() const { return folder.file(QStringLiteral("symbol")); }

    template <typename T> T* child(const char* name) {
        T* found = window().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The reference grid's cells as a Grid string.
    QString gridCells() { return symbolfile::gridStringOf(child<GridWidget>("PicD")->grid()); }

    void writeSymbol(const QString& name, const QString& gridString, const QString& program = {}) {
        ASSERT_TRUE(QDir().mkpath(symbolFolder()));
        folder.writeSymbol(QStringLiteral("symbol/") + name + QStringLiteral(".ini"), gridString,
                           program);
    }

    TempFolder folder;
    FakePlatform fakes;
    FakeProgramStarter& starter = fakes.starter;
    std::unique_ptr<FrmMain> m_window;
};
