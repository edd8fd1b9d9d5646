#include "recognition/GestureRecognition.h"
#include "recognition/OutcomeText.h"
#include "recognition/ShapeMatcher.h"
#include "store/FileList.h"
#include "support/FakeProgramStarter.h"
#include "support/GridStrings.h"
#include "support/TestFiles.h"

#include <QLocale>
#include <QLoggingCategory>

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Recognitions against the shortcuts of a temporary folder, each starting from the last one's
// bars and reference grid, as the window keeps them.
class GestureRecognitionTest : public ::testing::Test {
protected:
    GestureRecognitionTest() {
        QLocale::setDefault(QLocale::c());
        files.setPath(folder.path());
        ClearGrid(reference);
        settings.sliders = {50, 60}; // where the sliders start
    }

    void writeSymbol(const QString& name, const QString& gridString, const QString& program) {
        folder.writeSymbol(name + u".ini"_s, gridString, program);
        list.refresh(files);
        symbols.changed();
    }
    // The drawing recognised next: its '1' cells covered.
    void draw(const QString& gridString) { drawing = blackCellsOf(gridString); }
    const RecognitionResult& recognise(bool preview) {
        last = recogniseGesture({drawing, stroke, settings, bars, reference, preview}, symbols,
                                starter);
        bars = last.decision.bars;
        reference = last.referenceGrid;
        return last;
    }
    QString gridCells() const { return symbolfile::gridStringOf(reference); }

    TempFolder folder;
    FileList files;
    ShortcutList list;
    ShortcutSymbols symbols{list};
    FakeProgramStarter starter;
    RecognitionSettings settings;
    Scores bars;
    SymbolGrid reference;
    DrawingGrid drawing;
    Stroke stroke; // none: grids only
    RecognitionResult last;
};

TEST_F(GestureRecognitionTest, AFinalDrawingGivesItsProgramAndShowsItsSymbol) {
    writeSymbol(u"bloc"_s, cells(0, 39), u"/bin/sh --new"_s);
    writeSymbol(u"zzz"_s, cells(100, 143), u"/bin/other"_s);
    draw(cells(0, 36));
    recognise(false);
    EXPECT_TRUE(last.decision.accepted);
    EXPECT_EQ(last.decision.bars, (Scores{92.5f, 100.0f}));
    EXPECT_EQ(last.caption, u"sh (92.5%)"_s) << "the program, without its arguments";
    EXPECT_EQ(last.shortcut, u"bloc"_s);
    ASSERT_TRUE(last.program);
    EXPECT_EQ(last.program->command(),
              (ProgramCommand{ProgramCommand::Kind::Executable, u"/bin/sh"_s, {u"--new"_s}}));
    EXPECT_EQ(gridCells(), cells(0, 39)) << "the grid shows the recognised symbol";
}

// A preview starts nothing, says when the program cannot start, and leaves the grid as the
// matcher left it: the last symbol it looked at.
TEST_F(GestureRecognitionTest, APreviewStartsNothingAndSaysWhatWouldNotStart) {
    writeSymbol(u"bloc"_s, cells(0, 39), u"/bin/sh"_s);
    writeSymbol(u"zzz"_s, cells(100, 143), u"/no/such/program"_s);
    draw(cells(0, 39));
    recognise(true);
    EXPECT_TRUE(last.decision.accepted);
    EXPECT_EQ(last.caption, u"sh (100%)"_s);
    EXPECT_FALSE(last.program);
    EXPECT_EQ(gridCells(), cells(100, 143));

    draw(cells(100, 143));
    recognise(true);
    EXPECT_EQ(last.caption, u"program (100%) — programme introuvable"_s);
}

TEST_F(GestureRecognitionTest, NoSelectedSymbolIsARejectionThatKeepsTheBars) {
    draw(cells(0, 143));
    recognise(false);
    EXPECT_FALSE(last.decision.accepted) << "an empty list";
    EXPECT_EQ(bars.black, 0.0f);

    writeSymbol(u"a"_s, cells(0, 9), u"/bin/a"_s);
    draw(cells(0, 9));
    ASSERT_TRUE(recognise(true).decision.accepted);
    draw(QString(144, u'0'));
    recognise(false);
    EXPECT_FALSE(last.decision.accepted);
    EXPECT_FALSE(last.program);
    EXPECT_EQ(gridCells(), u"0"_s.repeated(144));
    EXPECT_EQ(bars.black, 100.0f) << "the bars keep their values";
}

TEST_F(GestureRecognitionTest, ScoresMustExceedTheSlidersStrictly) {
    writeSymbol(u"a"_s, cells(0, 19), u"/bin/a"_s); // half covered: 50 %
    draw(cells(0, 9));
    settings.sliders.black = 50;
    EXPECT_EQ(recognise(true).decision.bars.black, 50.0f);
    EXPECT_FALSE(last.decision.accepted) << "50 against 50 is not enough";
    settings.sliders.black = 49;
    EXPECT_TRUE(recognise(true).decision.accepted);

    settings.sliders = {0, 100};
    draw(cells(0, 19));
    EXPECT_EQ(recognise(true).decision.bars.contour, 100.0f);
    EXPECT_FALSE(last.decision.accepted) << "a slider at 100 rejects everything";
}

TEST_F(GestureRecognitionTest, BarsKeepTheirValueWhenAScoreCannotBeShownButOnlyOwnScoresDecide) {
    writeSymbol(u"a"_s, cells(0, 99), u"/bin/a"_s); // 44 white cells
    writeSymbol(u"b"_s, cells(0, 0), u"/bin/b"_s);  // 143 white cells
    draw(cells(0, 99));
    ASSERT_TRUE(recognise(true).decision.accepted);
    ASSERT_EQ(bars.contour, 100.0f);

    // Only cell 0 drawn: a is selected, but b's 143 uncovered white cells exceed a's 44.
    settings.sliders = {0, 0};
    draw(cells(0, 0));
    recognise(true);
    EXPECT_EQ(bars.black, 1.0f);
    EXPECT_EQ(bars.contour, 100.0f) << "above 100 is refused";
    EXPECT_FALSE(last.decision.accepted) << "the bar's 100 is the last drawing's, not this one's";
}

// A grid with no black cell is listed, but is no symbol: its uncovered white cells would
// outnumber any symbol's and reject every drawing.
TEST_F(GestureRecognitionTest, AGridWithNoBlackCellIsNoSymbol) {
    writeSymbol(u"a"_s, cells(0, 99), u"/bin/a"_s);
    writeSymbol(u"blank"_s, QString(144, u'0'), u"/bin/blank"_s);
    draw(cells(0, 79));
    EXPECT_TRUE(recognise(false).decision.accepted);
    EXPECT_EQ(last.shortcut, u"a"_s);
    EXPECT_EQ(list.count(), 2);
}

TEST_F(GestureRecognitionTest, AWiggleTooSmallToMeanIsRejectedInEitherMode) {
    writeSymbol(u"bloc"_s, cells(0, 39), u"/bin/sh"_s);
    writeSymbol(u"zzz"_s, cells(100, 143), u"/bin/false"_s);
    draw(cells(0, 36)); // stretched to the picture, a wiggle may look like any symbol
    for (const RecognitionMode mode : {RecognitionMode::Default, RecognitionMode::Precise}) {
        settings.mode = mode;
        stroke = {{300, 300}, {315, 308}, {302, 296}, {314, 310}};
        recognise(false);
        EXPECT_FALSE(last.decision.accepted);
        EXPECT_FALSE(last.program);
        stroke.append({300 + smallestMeaningfulExtent, 300}); // wide enough now
        EXPECT_TRUE(recognise(false).decision.accepted);
    }
}

TEST_F(GestureRecognitionTest, PreciseModeSelectsByShapeAndTheBarsShowItsScores) {
    settings.mode = RecognitionMode::Precise;
    writeSymbol(u"bar"_s, cells(72, 83), u"/bin/sh"_s);
    writeSymbol(u"full"_s, cells(0, 143), u"/bin/false"_s);
    draw(cells(73, 83)); // the bar, one cell short
    recognise(false);
    EXPECT_EQ(last.shortcut, u"bar"_s);
    EXPECT_GT(bars.black, 50.0f) << "similarity";
    EXPECT_GT(bars.contour, 60.0f) << "margin over the full grid";
    EXPECT_EQ(last.caption, u"sh ("_s + percentageText(bars.black) + u"%)"_s);
}

TEST_F(GestureRecognitionTest, PreciseModeTellsSymbolsAlikeInTheGridApartByTheirStrokes) {
    settings.mode = RecognitionMode::Precise;
    Stroke round;
    for (int step = 0; step <= 64; ++step) {
        const double angle = step * 2 * 3.14159265 / 64;
        round.append({qRound(300 + 200 * std::cos(angle)), qRound(300 + 200 * std::sin(angle))});
    }
    const Stroke square{{100, 100}, {500, 100}, {500, 500}, {100, 500}, {100, 100}};
    // Both drawn round the same box: one ring of cells.
    QString ring(144, u'0');
    for (int i = 0; i < 12; ++i)
        ring[i] = ring[132 + i] = ring[12 * i] = ring[12 * i + 11] = u'1';
    for (const auto& [name, trace] :
         {std::pair(u"Carre"_s, traceOf(square)), std::pair(u"Cercle"_s, traceOf(round))})
        folder.write(name + u".ini"_s, "[Image]\nValue=" + ring.toUtf8() +
                                           "\nTrace=" + trace.toUtf8() + "\nRepertoire=sh " +
                                           name.toUtf8() + "\n");
    list.refresh(files);
    draw(ring);
    for (const auto& [drawn, name] :
         {std::pair(round, u"Cercle"_s), std::pair(square, u"Carre"_s)}) {
        stroke = drawn;
        EXPECT_EQ(recognise(false).shortcut, name);
    }
    stroke.clear();
    EXPECT_FALSE(recognise(false).decision.accepted) << "by the grid alone they are just as near";

    // A trace that is no stroke counts for nothing: the drawing is matched by its grid.
    folder.write(u"Barre.ini"_s, "[Image]\nValue=" + cells(72, 83).toUtf8() +
                                     "\nTrace=12,x 40\nRepertoire=sh Barre\n");
    list.refresh(files);
    symbols.changed();
    draw(cells(72, 83));
    stroke = {{0, 300}, {600, 300}};
    EXPECT_EQ(recognise(false).shortcut, u"Barre"_s);
}

// What the recognition's log says it prepared, while it lives.
class PreparationLog {
public:
    PreparationLog() {
        lines = &m_lines;
        QLoggingCategory::setFilterRules(u"gestrix.recognition.debug=true"_s);
        m_previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext& context, const QString& text) {
                if (qstrcmp(context.category, "gestrix.recognition") == 0 &&
                    text.startsWith(u"prepared"_s))
                    lines->append(text);
            });
    }
    ~PreparationLog() {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules({});
    }
    static inline QStringList* lines = nullptr;

private:
    QStringList m_lines;
    QtMessageHandler m_previous;
};

TEST_F(GestureRecognitionTest, SymbolsArePreparedOncePerRebuildOfTheList) {
    settings.mode = RecognitionMode::Precise;
    writeSymbol(u"a"_s, cells(0, 9), u"/bin/sh"_s);
    const PreparationLog log;
    draw(cells(0, 9));
    for (int preview = 0; preview < 3; ++preview)
        recognise(true);
    EXPECT_EQ(*PreparationLog::lines, QStringList{u"prepared 1 symbols"_s});
    symbols.changed();
    recognise(true);
    recognise(true);
    EXPECT_EQ(PreparationLog::lines->size(), 2);
}

} // namespace
