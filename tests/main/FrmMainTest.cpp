#include "main/MainWindowFixture.h"
#include "widgets/ScoreBar.h"

#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTranslator>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using FrmMainTest = MainWindowFixture;

TEST_F(FrmMainTest, WindowHasTheDesignedLayout) {
    FrmMain& w = window();
    EXPECT_TRUE(w.windowTitle().startsWith(u"Strokely v1.2"_s));
    EXPECT_EQ(w.minimumSize(), QSize(504, 379));
    EXPECT_EQ(w.maximumSize(), QSize(504, 379));

    const struct {
        const char* name;
        QRect geometry; // in the window's coordinates
    } controls[] = {
        {"sensible", {392, 8, 105, 17}}, {"sensible2", {392, 32, 105, 17}},
        {"PicD", {8, 96, 97, 105}},      {"PicCompare", {8, 224, 97, 97}},
        {"lstV", {128, 72, 249, 249}},   {"ProBar", {432, 88, 21, 97}},
        {"ProBar2", {432, 232, 21, 97}}, {"Label6", {16, 344, 35, 14}},
        {"Label7", {64, 344, 38, 14}},   {"Label8", {112, 344, 49, 14}},
        {"Label12", {176, 344, 54, 14}},
    };
    for (const auto& control : controls) {
        const QWidget* widget = child<QWidget>(control.name);
        ASSERT_NE(widget, nullptr);
        const QRect placed(widget->mapTo(&w, QPoint(0, 0)), widget->size());
        EXPECT_EQ(placed.topLeft(), control.geometry.topLeft()) << control.name;
        // Labels may grow to fit the font; nothing else changes size.
        EXPECT_GE(placed.width(), control.geometry.width()) << control.name;
        EXPECT_EQ(placed.height(), control.geometry.height()) << control.name;
    }

    const auto* black = child<QScrollBar>("sensible");
    const auto* contour = child<QScrollBar>("sensible2");
    // Positions: see the sensitivity tests (a first run moves the contour slider to 60).
    EXPECT_EQ(std::pair(black->minimum(), black->maximum()), std::pair(0, 100));
    EXPECT_EQ(std::pair(contour->minimum(), contour->maximum()), std::pair(0, 100));
    for (const char* bar : {"ProBar", "ProBar2"})
        EXPECT_EQ(child<ScoreBar>(bar)->value(), 0.0f);
    EXPECT_EQ(child<QWidget>("PicCompare")->size(), QSize(97, 97));
}

// Files written by another program show: a burst of writes is one rebuild, once it settles.
// Another language takes effect at once: the window's texts and the icon's menu change without
// a restart.
TEST_F(FrmMainTest, ALanguageChangeShowsAtOnce) {
    struct English final : QTranslator {
        QString translate(const char*, const char* source, const char*, int) const override {
            const QString french = QString::fromUtf8(source);
            return french == u"Ajouter"_s                 ? u"Add"_s
                   : french == u"Ajouter un raccourci…"_s ? u"Add a shortcut…"_s
                                                          : QString();
        }
        bool isEmpty() const override { return false; }
    } english;
    FrmMain& w = window();
    QMenu menu;
    w.fillTrayMenu(menu);
    QCoreApplication::installTranslator(&english);
    QCoreApplication::processEvents();
    EXPECT_EQ(child<QLabel>("Label6")->text(), u"Add"_s);
    EXPECT_EQ(menu.actions().value(0)->text(), u"Add a shortcut…"_s);
    QCoreApplication::removeTranslator(&english);
}

TEST_F(FrmMainTest, ShortcutsWrittenElsewhereShowAfterOneRebuild) {
    FrmMain& w = window();
    int rebuilds = 0;
    QObject::connect(child<QTreeView>("lstV")->model(), &QAbstractItemModel::modelReset,
                     [&rebuilds] { ++rebuilds; });
    writeSymbol(u"a"_s, u"1"_s);
    writeSymbol(u"b"_s, u"1"_s);
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.shortcuts().count() == 2; }, 10000));
    QTest::qWait(1000); // three times the settling time
    EXPECT_EQ(rebuilds, 1);
}

TEST_F(FrmMainTest, StartUpCreatesTheFolderWhitensTheGridAndListsShortcuts) {
    FrmMain& w = window();
    EXPECT_TRUE(QDir(symbolFolder()).exists());
    EXPECT_EQ(gridCells(), u"0"_s.repeated(144));
    EXPECT_EQ(w.shortcuts().count(), 0);
    EXPECT_FALSE(w.gesture().isGestureUp());
}

TEST_F(FrmMainTest, ExistingFolderIsAcceptedAndItsShortcutsListed) {
    writeSymbol(u"b"_s, u"1"_s);
    writeSymbol(u"a"_s, u"01"_s);
    FrmMain& w = window();
    ASSERT_EQ(w.shortcuts().count(), 2);
    EXPECT_EQ(w.shortcuts().item(1)->text, u"a"_s);
    EXPECT_EQ(w.shortcuts().item(2)->text, u"b"_s);
    const QAbstractItemModel* shown = child<QTreeView>("lstV")->model();
    EXPECT_EQ(shown->headerData(0, Qt::Horizontal).toString(), u"Nom"_s);
    EXPECT_EQ(shown->index(1, 0).data().toString(), u"b"_s);
}

TEST_F(FrmMainTest, ClickingAnItemPreviewsItsSymbol) {
    writeSymbol(u"Door"_s, u"1"_s.repeated(144));
    writeSymbol(u"Short"_s, u"0"_s.repeated(100));
    FrmMain& w = window();
    w.show();
    auto* list = child<QTreeView>("lstV");
    const auto click = [list](int row) {
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    };

    click(0);
    EXPECT_EQ(gridCells(), u"1"_s.repeated(144));
    click(1);
    EXPECT_EQ(gridCells(), u"0"_s.repeated(100) + u"1"_s.repeated(44))
        << "a 100-character Grid string leaves cells 100 to 143 as they were";
}

TEST_F(FrmMainTest, OuvrirFailsWithoutItemOrWithABadGridString) {
    writeSymbol(u"a"_s, u"11"_s);
    writeSymbol(u"b"_s, u"00x0"_s);
    FrmMain& w = window();
    const QString white = u"0"_s.repeated(144);
    EXPECT_FALSE(w.Ouvrir(0));
    EXPECT_FALSE(w.Ouvrir(3));
    EXPECT_EQ(gridCells(), white);
    EXPECT_TRUE(w.Ouvrir(1));
    EXPECT_EQ(gridCells(), u"11"_s + white.sliced(2));
    EXPECT_FALSE(w.Ouvrir(2));
    EXPECT_EQ(gridCells(), u"00"_s + white.sliced(2)) << "cells before the letter are painted";
}

TEST_F(FrmMainTest, OuvrirListeSeesFilesAddedSince) {
    FrmMain& w = window();
    writeSymbol(u"new"_s, u"1"_s);
    EXPECT_EQ(w.shortcuts().count(), 0);
    w.OuvrirListe();
    EXPECT_EQ(w.shortcuts().count(), 1);
}

// A shortcut whose program is a desktop entry shows its application's icon; another, Gestrix's.
TEST_F(FrmMainTest, AShortcutShowsItsApplicationsIcon) {
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(folder.file(u"red.png"_s)));
    folder.write(u"red.desktop"_s, "[Desktop Entry]\nType=Application\nName=Red\nExec=true\nIcon=" +
                                       folder.file(u"red.png"_s).toUtf8() + "\n");
    writeSymbol(u"a"_s, u"1"_s, folder.file(u"red.desktop"_s));
    writeSymbol(u"b"_s, u"1"_s, u"true"_s);
    FrmMain& w = window();
    const QAbstractItemModel& model = *child<QTreeView>("lstV")->model();
    const auto shown = [&](int row) {
        return model.index(row, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
    };
    EXPECT_EQ(shown(0).pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(shown(1), w.windowIcon().pixmap(16).toImage());
}

} // namespace
