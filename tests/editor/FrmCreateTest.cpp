#include "editor/FrmCreate.h"
#include "main/MainWindowFixture.h"
#include "store/Settings.h"
#include "store/SymbolFile.h"
#include "support/ScriptedAnswers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

class FrmCreateTest : public MainWindowFixture {
protected:
    FrmCreateTest() { QDir().mkpath(symbolFolder()); }

    // An editor opened on its own, counting the list rebuilds it asks for.
    FrmCreate& openEditor() {
        editor = new FrmCreate(
            symbolFolder(), [this] { ++rebuilds; }, recognition, &owner);
        editor->show();
        return *editor;
    }
    // How the look-alike warning recognises: the default mode and sliders unless a test says.
    std::function<RecognitionSettings()> recognition = [] {
        return RecognitionSettings{RecognitionMode::Default, {50, 60}};
    };
    void click(int cell, Qt::MouseButton button = Qt::LeftButton) {
        const QRect rect = GridWidget::cellRect(cell);
        QTest::mouseClick(editor->PicD, button, {}, rect.center());
    }
    symbolfile::Content stored(const QString& name) {
        return symbolfile::read(folder.file(u"symbol/"_s + name + u".ini"_s));
    }
    QMessageBox* problem(QWidget* over) { return over->findChild<QMessageBox*>(); }
    // The middle row, as a drawing made on the screen.
    static DrawingGrid bar() {
        DrawingGrid cells;
        for (int cell = 72; cell < 84; ++cell)
            cells[cell] = true;
        return cells;
    }

    QWidget owner; // frees the editors a test leaves open
    QPointer<FrmCreate> editor;
    int rebuilds = 0;
};

TEST_F(FrmCreateTest, ClicksPaintOneCellEach) {
    FrmCreate& e = openEditor();
    EXPECT_EQ(e.windowTitle(), u"Création d'un nouveau raccourcis"_s);
    EXPECT_EQ(e.size(), QSize(321, 382));
    click(5);
    click(5);
    click(6);
    click(6, Qt::RightButton);
    click(7);
    click(7, Qt::MiddleButton);
    EXPECT_EQ(e.PicD->grid().backColor(5), CellColour::Black);
    EXPECT_EQ(e.PicD->grid().backColor(6), CellColour::White);
    EXPECT_EQ(e.PicD->grid().backColor(7), CellColour::White);
}

TEST_F(FrmCreateTest, OkStoresTheGridAndProgramAndRebuildsTheList) {
    const struct {
        QList<int> black;
        QString name;
        QString expected;
    } rows[] = {
        {{}, u"blank"_s, u"0"_s.repeated(144)},
        {{0}, u"corner"_s, u"1"_s + u"0"_s.repeated(143)},
        {{12}, u"row one"_s, u"0"_s.repeated(12) + u"1"_s + u"0"_s.repeated(131)},
        {{143}, u" spaced "_s, u"0"_s.repeated(143) + u"1"_s},
    };
    for (const auto& row : rows) {
        FrmCreate& e = openEditor();
        for (int cell : row.black)
            click(cell);
        e.TxtName->setText(row.name);
        e.TxtRep->setText(u"sh -c 'xterm -e top'"_s);
        e.Command1->click();
        EXPECT_EQ(stored(row.name).gridString, row.expected) << row.name.toStdString();
        EXPECT_EQ(stored(row.name).program, u"sh -c 'xterm -e top'"_s);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(editor.isNull()) << "the editor closes";
    }
    EXPECT_EQ(rebuilds, 4);
}

TEST_F(FrmCreateTest, GridLinesChangeBordersOnly) {
    FrmCreate& e = openEditor();
    click(3);
    e.chkGrid->click();
    EXPECT_EQ(e.PicD->grid().borderStyle(), SymbolGrid::BorderStyle::FixedSingle);
    EXPECT_EQ(e.PicD->grid().backColor(3), CellColour::Black);
    EXPECT_EQ(e.PicD->grid().backColor(4), CellColour::White);
    e.chkGrid->click();
    EXPECT_EQ(e.PicD->grid().borderStyle(), SymbolGrid::BorderStyle::None);
}

TEST_F(FrmCreateTest, RefusedNamesAndFailedSavesKeepTheEditorAndDrawing) {
    for (const auto& [name, told] : {std::pair(u"a/b"_s, u"Nom de raccourci invalide"_s),
                                     std::pair(u""_s, u"Nom de raccourci invalide"_s),
                                     std::pair(u"  "_s, u"Nom de raccourci invalide"_s),
                                     std::pair(u"a"_s.repeated(300), u"trop long"_s)}) {
        FrmCreate& e = openEditor();
        click(9);
        e.TxtName->setText(name);
        e.Command1->click();
        ASSERT_NE(problem(&e), nullptr) << name.toStdString();
        EXPECT_TRUE(problem(&e)->text().contains(told)) << problem(&e)->text().toStdString();
        EXPECT_TRUE(e.isVisible());
        EXPECT_EQ(e.PicD->grid().backColor(9), CellColour::Black);
        e.close();
    }
    EXPECT_EQ(rebuilds, 0);

    // The symbol folder's place is taken by a file: nothing can be saved there.
    editor = new FrmCreate(
        folder.file(u"not-a-folder"_s), [this] { ++rebuilds; }, recognition, &owner);
    folder.write(u"not-a-folder"_s, "x");
    editor->show();
    click(9);
    editor->TxtName->setText(u"ok"_s);
    editor->Command1->click();
    ASSERT_NE(problem(editor), nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->PicD->grid().backColor(9), CellColour::Black);
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(FrmCreateTest, AnnulerWritesNothingAndTheNextAddIsBlank) {
    FrmMain& w = window();
    QTimer::singleShot(0, [&] {
        FrmCreate* e = w.editor();
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->isModal());
        e->PicD_MouseDown(0, Qt::LeftButton);
        e->TxtName->setText(u"drawn"_s);
        e->Command2->click();
    });
    w.Label6_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.shortcuts().count(), 0);
    EXPECT_FALSE(QFile::exists(folder.file(u"symbol/drawn.ini"_s)));

    QTimer::singleShot(0, [&] {
        FrmCreate* e = w.editor();
        EXPECT_EQ(e->TxtName->text(), u""_s);
        EXPECT_EQ(e->PicD->grid().backColor(0), CellColour::White);
        e->close();
    });
    w.Label6_Click();
}

TEST_F(FrmCreateTest, ModifyShowsTheStoredShortcutAndRenamingKeepsBoth) {
    const QString door = u"1"_s.repeated(10) + u"0"_s.repeated(134);
    const QString second = u"0"_s.repeated(134) + u"1"_s.repeated(10);
    folder.write(u"symbol/Door.ini"_s, "[Image]\nValue=" + door.toUtf8() +
                                           "\nValue2=" + second.toUtf8() +
                                           "\nTrace2=1,1 9,9\nRepertoire=/bin/sh\n");
    const QByteArray before = folder.read(u"symbol/Door.ini"_s);
    FrmMain& w = window();
    w.Label7_Click();
    EXPECT_EQ(w.editor(), nullptr) << "nothing selected: nothing happens";

    auto* list = child<QTreeView>("lstV");
    list->setCurrentIndex(list->model()->index(0, 0));
    w.Label7_Click();
    FrmCreate* e = w.editor();
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->isModal());
    EXPECT_EQ(e->TxtName->text(), u"Door"_s);
    EXPECT_EQ(e->TxtRep->text(), u"/bin/sh"_s);
    EXPECT_EQ(symbolfile::gridStringOf(e->PicD->grid()), door) << "the stored drawing";
    ASSERT_EQ(e->cboDrawing->count(), 2) << "and the further one";
    e->cboDrawing->activated(1);
    EXPECT_EQ(symbolfile::gridStringOf(e->PicD->grid()), second);
    e->Command1->click();
    EXPECT_EQ(folder.read(u"symbol/Door.ini"_s), before) << "OK without changes changes nothing";

    w.Label7_Click();
    w.editor()->TxtName->setText(u"Gate"_s);
    w.editor()->Command1->click();
    ASSERT_EQ(w.shortcuts().count(), 2);
    EXPECT_EQ(w.shortcuts().item(1)->text, u"Door"_s);
    EXPECT_EQ(w.shortcuts().item(2)->text, u"Gate"_s);
}

TEST_F(FrmCreateTest, DrawingsMadeOnScreenFillThenAddAndAreAllSaved) {
    FrmCreate& e = openEditor();
    e.addDrawing(bar(), {{0, 500}, {900, 500}});
    EXPECT_EQ(e.cboDrawing->count(), 1) << "a blank grid is filled";
    EXPECT_EQ(e.PicD->grid().backColor(72), CellColour::Black);
    e.addDrawing(bar() >> 12, {{0, 400}, {900, 400}});
    EXPECT_EQ(e.cboDrawing->count(), 2) << "a drawn grid gets another drawing";
    EXPECT_EQ(e.PicD->grid().backColor(60), CellColour::Black) << "the new one is shown";
    click(0); // touched up by hand: its stroke is no longer what it shows
    e.TxtName->setText(u"Barre"_s);
    e.Command1->click();
    const symbolfile::Content saved = stored(u"Barre"_s);
    EXPECT_EQ(saved.gridString.mid(72, 12), u"1"_s.repeated(12));
    ASSERT_EQ(saved.moreDrawings.size(), 1);
    EXPECT_EQ(saved.moreDrawings[0].mid(60, 12), u"1"_s.repeated(12));
    EXPECT_EQ(saved.traces, QStringList{u"0,500 900,500"_s});
}

// A drawing removed takes its stroke with it; the last one left is whitened, stroke and all.
TEST_F(FrmCreateTest, ARemovedDrawingTakesItsStroke) {
    FrmCreate& e = openEditor();
    e.addDrawing(bar(), {{0, 500}, {900, 500}});
    e.addDrawing(bar() >> 12, {{0, 400}, {900, 400}});
    e.cboDrawing->setCurrentIndex(0);
    Q_EMIT e.cboDrawing->activated(0); // as the user picks it
    e.cmdRemove->click();
    e.TxtName->setText(u"Barre"_s);
    e.Command1->click();
    EXPECT_EQ(stored(u"Barre"_s).traces, QStringList{u"0,400 900,400"_s});

    FrmCreate& again = openEditor();
    again.addDrawing(bar(), {{0, 500}, {900, 500}});
    again.cmdRemove->click();
    again.TxtName->setText(u"Autre"_s);
    again.Command1->click();
    EXPECT_EQ(stored(u"Autre"_s).traces, QStringList{}) << "the whitened drawing kept a stroke";
}

// Teaching draws as a paint program does, with the left button held, or by moving and then
// clicking; whether all drawings count is chosen beside them.
TEST_F(FrmCreateTest, TeachingDrawsWhileTheButtonIsHeldOrByMovingThenClicking) {
    writeSymbol(u"Door"_s, u"1"_s.repeated(144), u"/bin/sh"_s);
    fakes.photographer.picture = QImage(1024, 768, QImage::Format_RGB32);
    FrmMain& w = window();
    auto* list = child<QTreeView>("lstV");
    list->setCurrentIndex(list->model()->index(0, 0));
    w.Label7_Click();
    QList<Stroke> taught;
    QObject::connect(&w.gesture(), &GestureSession::drawingTaught,
                     [&](const DrawingGrid&, const Stroke& stroke) { taught.append(stroke); });
    for (const bool held : {true, false}) {
        w.editor()->cmdDraw->click();
        FrmView* overlay = w.gesture().overlay();
        ASSERT_NE(overlay, nullptr);
        EXPECT_TRUE(
            overlay->help().startsWith(u"Dessinez le symbole en tenant le bouton gauche"_s));
        const QColor neutral = overlay->frameColour();
        overlay->Form_MouseMove(100, 100); // on the way to where the drawing starts
        overlay->Form_MouseMove(300, 300);
        if (held)
            overlay->press(Qt::LeftButton, Qt::NoModifier);
        overlay->Form_MouseMove(600, 300);
        overlay->Form_MouseDown(FrmView::LeftButton, FrmView::ShiftKey); // a preview
        EXPECT_EQ(overlay->frameColour(), neutral) << "nothing is recognised";
        if (!held)
            overlay->press(Qt::LeftButton, Qt::NoModifier);
        EXPECT_TRUE(taught.size() < (held ? 1 : 2)) << "the press ended the drawing";
        overlay->release(Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(taught.size(), 2);
    EXPECT_EQ(taught[0], (Stroke{{300, 300}, {600, 300}})) << "the way to the press was kept";
    EXPECT_EQ(taught[1], (Stroke{{100, 100}, {300, 300}, {600, 300}}));
    EXPECT_TRUE(starter.calls.isEmpty()) << "teaching starts nothing";
    EXPECT_EQ(w.editor()->cboDrawing->count(), 3) << "the stored drawing and the two taught";

    w.editor()->chkPrecise->click();
    EXPECT_EQ(settings::GetSetting(u"Option"_s, u"Precise"_s, {}), u"1"_s);
}

TEST_F(FrmCreateTest, ASymbolTheRecognitionWouldTakeForAnotherIsSavedOnlyIfTheUserSaysSo) {
    writeSymbol(u"Door"_s, u"0"_s.repeated(72) + u"1"_s.repeated(12) + u"0"_s.repeated(60));
    for (const bool yes : {false, true}) {
        FrmCreate& e = openEditor();
        for (int cell = 72; cell < 84; ++cell)
            click(cell);
        e.TxtName->setText(u"Gate"_s);
        const ScriptedAnswers answers({yes});
        e.Command1->click();
        EXPECT_EQ(answers.asked,
                  QStringList{u"Ce symbole ressemble à « Door ». Enregistrer quand même ?"_s});
        EXPECT_EQ(QFile::exists(folder.file(u"symbol/Gate.ini"_s)), yes);
        if (!yes)
            e.close();
    }
}

TEST_F(FrmCreateTest, TheLookAlikeCheckCoversEveryDrawingWithTheMainWindowsSliders) {
    const QString bar = u"0"_s.repeated(72) + u"1"_s.repeated(12) + u"0"_s.repeated(60);
    QString column(144, u'0');
    for (int row = 0; row < 12; ++row)
        column[row * 12 + 6] = u'1';
    writeSymbol(u"Door"_s, bar);
    folder.write(u"symbol/Gate.ini"_s,
                 "[Image]\nValue=" + column.toUtf8() + "\nValue2=" + bar.toUtf8() + "\n");
    FrmMain& w = window();
    auto* list = child<QTreeView>("lstV");
    list->setCurrentIndex(list->model()->index(1, 0));
    w.Label7_Click();
    ASSERT_EQ(w.editor()->TxtName->text(), u"Gate"_s);
    {
        const ScriptedAnswers answers({false});
        w.editor()->Command1->click();
        EXPECT_EQ(answers.asked, QStringList{u"Ce symbole ressemble à « Door ». Enregistrer quand "
                                             u"même ?"_s})
            << "its second drawing is Door's";
    }
    // A contour sensitivity of 100 accepts nothing, whatever the black one says.
    child<QScrollBar>("sensible")->setValue(0);
    child<QScrollBar>("sensible2")->setValue(100);
    w.editor()->Command1->click();
    EXPECT_FALSE(w.editor() && w.editor()->isVisible()) << "saved without a question";
}

TEST_F(FrmCreateTest, NothingIsReplacedAndNoBrokenProgramStoredUnasked) {
    const struct {
        const char* name;
        std::function<void(FrmCreate&)> prepare;
        QString question;
    } rows[] = {
        {"Add with a stored name", [](FrmCreate& e) { e.TxtName->setText(u"Door"_s); },
         u"Le raccourci « Door » existe déjà. Le remplacer ?"_s},
        {"Add with a stored name in other letters' case",
         [](FrmCreate& e) { e.TxtName->setText(u"door"_s); },
         u"Le raccourci « Door » existe déjà. Le remplacer ?"_s},
        {"Modify of a file changed meanwhile",
         [this](FrmCreate& e) {
             e.openShortcut(u"Door"_s);
             writeSymbol(u"Door"_s, u"01"_s, u"/bin/sh"_s);
         },
         u"Le raccourci « Door » a changé sur le disque depuis l'ouverture de l'éditeur. "
         u"Le remplacer ?"_s},
        {"Modify of a shortcut deleted meanwhile",
         [this](FrmCreate& e) {
             e.openShortcut(u"Door"_s);
             QFile::remove(folder.file(u"symbol/Door.ini"_s));
         },
         u"Le raccourci « Door » a été supprimé depuis l'ouverture de l'éditeur. L'enregistrer "
         u"à nouveau ?"_s},
        {"a program that cannot be found",
         [](FrmCreate& e) {
             e.TxtName->setText(u"New"_s);
             e.TxtRep->setText(u"/no/such/program"_s);
         },
         u"« /no/such/program » : programme introuvable. Enregistrer quand même ?"_s},
    };
    // Door's file as it stands, or nothing.
    const auto door = [this] {
        QFile file(folder.file(u"symbol/Door.ini"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    for (const auto& row : rows) {
        for (const bool yes : {false, true}) {
            writeSymbol(u"Door"_s, u"1"_s, u"/bin/sh"_s);
            QFile::remove(folder.file(u"symbol/New.ini"_s));
            QFile::remove(folder.file(u"symbol/door.ini"_s));
            FrmCreate& e = openEditor();
            row.prepare(e);
            const QByteArray onDisk = door();
            const ScriptedAnswers answers({yes});
            e.Command1->click();
            EXPECT_EQ(answers.asked, QStringList{row.question}) << row.name;
            EXPECT_EQ(editor.isNull() || !editor->isVisible(), yes) << row.name;
            if (!yes) {
                EXPECT_EQ(door(), onDisk) << row.name;
                EXPECT_FALSE(QFile::exists(folder.file(u"symbol/New.ini"_s))) << row.name;
                e.close();
            }
        }
    }
}

TEST_F(FrmCreateTest, InTheListEnterModifiesAndDeleteDeletes) {
    writeSymbol(u"a"_s, u"1"_s, u"/bin/sh"_s);
    writeSymbol(u"b"_s, u"1"_s, u"/bin/sh"_s);
    FrmMain& w = window();
    auto* list = child<QTreeView>("lstV");
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_NE(w.editor(), nullptr);
    EXPECT_EQ(w.editor()->TxtName->text(), u"a"_s);
    w.editor()->close();
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_FALSE(QFile::exists(folder.file(u"symbol/a.ini"_s)));
    EXPECT_TRUE(QFile::exists(folder.file(u"symbol/b.ini"_s)));
}

TEST_F(FrmCreateTest, DeleteRemovesTheFileAndReportsAFileAlreadyGone) {
    writeSymbol(u"a"_s, u"1"_s);
    writeSymbol(u"b"_s, u"1"_s);
    FrmMain& w = window();
    auto* list = child<QTreeView>("lstV");
    list->setCurrentIndex(list->model()->index(0, 0));
    w.Label8_Click();
    EXPECT_FALSE(QFile::exists(folder.file(u"symbol/a.ini"_s)));
    ASSERT_EQ(w.shortcuts().count(), 1);
    EXPECT_EQ(problem(&w), nullptr);

    list->setCurrentIndex(list->model()->index(0, 0));
    ASSERT_TRUE(QFile::remove(folder.file(u"symbol/b.ini"_s))); // gone behind our back
    w.Label8_Click();
    ASSERT_NE(problem(&w), nullptr);
    EXPECT_TRUE(problem(&w)->text().contains(u"« b »"_s));
    EXPECT_EQ(w.shortcuts().count(), 0) << "the list shows what is really there";
}

TEST(FrmCreateFilter, DescribesExecutablesOverAllFiles) {
    EXPECT_EQ(FrmCreate::programFilter(), u"Fichier Exécutable (*)"_s);
}

} // namespace
