#pragma once

#include "main/FrmMain.h"
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

    // The reference grid's cells as '1' black, '0' white, '.' never painted.
    QString gridCells() {
        QString text;
        const SymbolGrid& grid = child<GridWidget>("PicD")->grid();
        for (int i = 0; i < SymbolGrid::cellCount; ++i) {
            const CellColour colour = grid.backColor(i);
            text += colour == CellColour::Black ? u'1' : colour == CellColour::White ? u'0' : u'.';
        }
        return text;
    }

    void writeSymbol(const QString& name, const QString& gridString, const QString& program = {}) {
        ASSERT_TRUE(QDir().mkpath(symbolFolder()));
        folder.write(QStringLiteral("symbol/") + name + QStringLiteral(".ini"),
                     symbolFile(gridString, program));
    }

    TempFolder folder;
    FakePlatform fakes;
    FakeProgramStarter& starter = fakes.starter;
    std::unique_ptr<FrmMain> m_window;
};
