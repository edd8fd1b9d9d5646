#include "main/MainWindowFixture.h"
#include "overlay/FrmView.h"
#include "recognition/OutcomeText.h"
#include "recognition/RecognitionDisplay.h"
#include "recognition/ShapeMatcher.h"
#include "store/Settings.h"
#include "widgets/PictureBox.h"
#include "widgets/ScoreBar.h"

#include <QLocale>
#include <QLoggingCategory>
#include <QScrollBar>

#include <cmath>

using namespace Qt::StringLiterals;
using Call = FakeProgramStarter::Call;

namespace {

// Records what a recognition shows.
class FakeDisplay final : public RecognitionDisplay {
public:
    void showDecision(const Decision& decision, const QString& text, bool name) override {
        accepted = decision.accepted;
        caption = text;
        nameShown = name;
    }

    bool accepted = false;
    QString caption;
    bool nameShown = false;
};

// A Grid string whose cells first..last are black.
QString cells(int first, int last) {
    QString grid(144, u'0');
    for (int i = first; i <= last; ++i)
        grid[i] = u'1';
    return grid;
}

class ComparaisonTest : public MainWindowFixture {
protected:
    ComparaisonTest() { QLocale::setDefault(QLocale::c()); }

    FrmMain& ready() {
        FrmMain& w = window();
        w.gesture().setRecognitionDisplay(&display);
        return w;
    }

    // The drawing recognised next: its '1' cells covered.
    void draw(const QString& gridString) { drawing = blackCellsOf(gridString); }
    void compare(bool DontLaunch) { ready().gesture().Comparaison(drawing, stroke, DontLaunch); }

    float bar(const char* name) { return child<ScoreBar>(name)->value(); }
    void setSlider(const char* name, int position) { child<QScrollBar>(name)->setValue(position); }

    FakeDisplay display;
    DrawingGrid drawing;
    Stroke stroke; // none: grids only
};

TEST_F(ComparaisonTest, RecognisedClickStartsTheProgramAndShowsItsSymbol) {
    writeSymbol(u"bloc"_s, cells(0, 39), u"/bin/sh --new"_s);
    writeSymbol(u"zzz"_s, cells(100, 143), u"/bin/other"_s);
    draw(cells(0, 36));
    compare(false);

    EXPECT_EQ(bar("ProBar"), 92.5f);
    EXPECT_EQ(bar("ProBar2"), 100.0f);
    EXPECT_TRUE(display.accepted);
    EXPECT_EQ(display.caption, u"sh (92.5%)"_s) << "the program, without its arguments";
    EXPECT_TRUE(display.nameShown);
    EXPECT_EQ(starter.calls, (QList<Call>{{u"/bin/sh"_s, {u"--new"_s}}}));
    EXPECT_EQ(gridCells(), cells(0, 39)) << "the grid shows the recognised symbol";
}

TEST_F(ComparaisonTest, PreviewStartsNothingAndLeavesTheLastSymbolInTheGrid) {
    writeSymbol(u"bloc"_s, cells(0, 39), u"/bin/sh"_s);
    writeSymbol(u"zzz"_s, cells(100, 143), u"/no/such/program"_s);
    draw(cells(0, 39));
    compare(true);
    EXPECT_TRUE(display.accepted);
    EXPECT_EQ(display.caption, u"sh (100%)"_s);
    EXPECT_TRUE(starter.calls.isEmpty());
    EXPECT_EQ(gridCells(), cells(100, 143));
}

TEST_F(ComparaisonTest, NoSelectedSymbolIsARejection) {
    writeSymbol(u"a"_s, cells(0, 9), u"/bin/a"_s);
    // First a recognition, so the bars hold passing scores.
    draw(cells(0, 9));
    compare(true);
    ASSERT_TRUE(display.accepted);

    draw(QString(144, u'0'));
    compare(false);
    EXPECT_FALSE(display.accepted);
    EXPECT_EQ(gridCells(), u"0"_s.repeated(144));
    EXPECT_EQ(bar("ProBar"), 100.0f) << "the bars keep their values";
    EXPECT_TRUE(starter.calls.isEmpty());
}

TEST_F(ComparaisonTest, EmptyListRightAfterStartUpIsRejected) {
    draw(cells(0, 143));
    compare(false);
    EXPECT_FALSE(display.accepted);
    EXPECT_EQ(bar("ProBar"), 0.0f);
}

TEST_F(ComparaisonTest, ScoresMustExceedTheSlidersStrictly) {
    writeSymbol(u"a"_s, cells(0, 19), u"/bin/a"_s); // half covered: 50 %
    draw(cells(0, 9));
    setSlider("sensible", 50);
    compare(true);
    EXPECT_EQ(bar("ProBar"), 50.0f);
    EXPECT_FALSE(display.accepted) << "50 against 50 is not enough";

    setSlider("sensible", 49);
    compare(true);
    EXPECT_TRUE(display.accepted);

    setSlider("sensible", 0);
    setSlider("sensible2", 100);
    draw(cells(0, 19));
    compare(true);
    EXPECT_EQ(bar("ProBar2"), 100.0f);
    EXPECT_FALSE(display.accepted) << "a slider at 100 rejects everything";
}

TEST_F(ComparaisonTest, BarsKeepTheirValueWhenAScoreCannotBeShownButOnlyOwnScoresDecide) {
    writeSymbol(u"a"_s, cells(0, 99), u"/bin/a"_s); // 44 white cells
    writeSymbol(u"b"_s, cells(0, 0), u"/bin/b"_s);  // 143 white cells
    draw(cells(0, 99));
    compare(true);
    ASSERT_EQ(bar("ProBar2"), 100.0f);
    ASSERT_TRUE(display.accepted);

    // Only cell 0 drawn: a is selected, but b's 143 uncovered white cells exceed a's 44.
    setSlider("sensible", 0);
    setSlider("sensible2", 0);
    draw(cells(0, 0));
    compare(true);
    EXPECT_EQ(bar("ProBar"), 1.0f);
    EXPECT_EQ(bar("ProBar2"), 100.0f) << "above 100 is refused";
    EXPECT_FALSE(display.accepted) << "the bar's 100 is the last drawing's, not this one's";

    // The selected symbol's file lost every black cell since the list was built.
    folder.writeSymbol(u"symbol/a.ini"_s, QString(144, u'0'), u"/bin/a"_s);
    draw(cells(0, 49));
    compare(true);
    EXPECT_EQ(bar("ProBar"), 1.0f) << "division by zero keeps the bar";
}

TEST_F(ComparaisonTest, AStrokeDrawnInHundredPixelStepsIsRecognised) {
    writeSymbol(u"Barre"_s, cells(72, 83), u"/bin/sh"_s);
    fakes.trigger.events = true;
    FrmMain& w = ready();
    TriggerPress press;
    press.position = QPoint(100, 300);
    ASSERT_TRUE(w.gesture().triggerPressed(press));
    for (int x = 100; x <= 700; x += 100) // far further apart than the pen is wide
        w.gesture().overlay()->Form_MouseMove(x, 300);
    w.gesture().overlay()->Form_MouseDown(FrmView::LeftButton, 0);
    EXPECT_EQ(starter.calls, (QList<Call>{{u"/bin/sh"_s, {}}}));
    EXPECT_EQ(sampleDrawing(w.comparisonPicture().image(), 15, 15), blackCellsOf(cells(72, 83)))
        << "the main window shows what was recognised";
}

TEST_F(ComparaisonTest, AWiggleTooSmallToMeanStartsNothingInEitherMode) {
    writeSymbol(u"bloc"_s, cells(0, 39), u"/bin/sh"_s);
    writeSymbol(u"zzz"_s, cells(100, 143), u"/bin/false"_s);
    draw(cells(0, 36)); // stretched to the picture, a wiggle may look like any symbol
    for (const QString& precise : {u"0"_s, u"1"_s}) {
        settings::SaveSetting(u"Option"_s, u"Precise"_s, precise);
        stroke = {{300, 300}, {315, 308}, {302, 296}, {314, 310}};
        compare(false);
        EXPECT_FALSE(display.accepted) << "precise: " << precise.toStdString();
        stroke.append({300 + smallestMeaningfulExtent, 300}); // wide enough now
        compare(false);
        EXPECT_TRUE(display.accepted) << "precise: " << precise.toStdString();
    }
    EXPECT_EQ(starter.calls.size(), 2);
}

TEST_F(ComparaisonTest, PreciseModeSelectsByShapeAndTheBarsShowItsScores) {
    settings::SaveSetting(u"Option"_s, u"Precise"_s, u"1"_s);
    writeSymbol(u"bar"_s, cells(72, 83), u"/bin/sh"_s);
    writeSymbol(u"full"_s, cells(0, 143), u"/bin/false"_s);
    draw(cells(73, 83)); // the bar, one cell short
    compare(false);
    EXPECT_TRUE(display.accepted);
    EXPECT_EQ(starter.calls, (QList<Call>{{u"/bin/sh"_s, {}}}));
    EXPECT_GT(bar("ProBar"), 50.0f) << "similarity";
    EXPECT_GT(bar("ProBar2"), 60.0f) << "margin over the full grid";
    EXPECT_EQ(display.caption, u"sh ("_s + percentageText(bar("ProBar")) + u"%)"_s);
}

TEST_F(ComparaisonTest, PreciseModeTellsSymbolsAlikeInTheGridApartByTheirStrokes) {
    settings::SaveSetting(u"Option"_s, u"Precise"_s, u"1"_s);
    Stroke round;
    for (int step = 0; step <= 64; ++step) {
        const double angle = step * 2 * 3.14159265 / 64;
        round.append({qRound(300 + 200 * std::cos(angle)), qRound(300 + 200 * std::sin(angle))});
    }
    const Stroke square{{100, 100}, {500, 100}, {500, 500}, {100, 500}, {100, 100}};
    // Both drawn round the same box: one ring of cells.
    ASSERT_TRUE(QDir().mkpath(symbolFolder()));
    QString ring(144, u'0');
    for (int i = 0; i < 12; ++i)
        ring[i] = ring[132 + i] = ring[12 * i] = ring[12 * i + 11] = u'1';
    for (const auto& [name, trace] :
         {std::pair(u"Carre"_s, traceOf(square)), std::pair(u"Cercle"_s, traceOf(round))})
        folder.write(u"symbol/"_s + name + u".ini"_s,
                     "[Image]\nValue=" + ring.toUtf8() + "\nTrace=" + trace.toUtf8() +
                         "\nRepertoire=sh " + name.toUtf8() + "\n");
    draw(ring);
    for (const auto& [drawn, name] :
         {std::pair(round, u"Cercle"_s), std::pair(square, u"Carre"_s)}) {
        stroke = drawn;
        starter.calls.clear();
        compare(false);
        EXPECT_EQ(starter.calls, (QList<Call>{{u"sh"_s, {name}}}));
    }
    stroke.clear();
    compare(false);
    EXPECT_FALSE(display.accepted) << "by the grid alone they are just as near";

    // A trace that is no stroke counts for nothing: the drawing is matched by its grid.
    folder.write(u"symbol/Barre.ini"_s, "[Image]\nValue=" + cells(72, 83).toUtf8() +
                                            "\nTrace=12,x 40\nRepertoire=sh Barre\n");
    window().OuvrirListe();
    draw(cells(72, 83));
    stroke = {{0, 300}, {600, 300}};
    starter.calls.clear();
    compare(false);
    EXPECT_EQ(starter.calls, (QList<Call>{{u"sh"_s, {u"Barre"_s}}}));
}

// What the gesture's log says it prepared, while it lives.
class PreparationLog {
public:
    PreparationLog() {
        lines = &m_lines;
        QLoggingCategory::setFilterRules(u"gestrix.gesture.debug=true"_s);
        m_previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context,
                                               const QString& text) {
            if (qstrcmp(context.category, "gestrix.gesture") == 0 && text.startsWith(u"prepared"_s))
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

TEST_F(ComparaisonTest, SymbolsArePreparedOncePerRebuildOfTheList) {
    settings::SaveSetting(u"Option"_s, u"Precise"_s, u"1"_s);
    writeSymbol(u"a"_s, cells(0, 9), u"/bin/sh"_s);
    const PreparationLog log;
    draw(cells(0, 9));
    for (int preview = 0; preview < 3; ++preview)
        compare(true);
    EXPECT_EQ(*PreparationLog::lines, QStringList{u"prepared 1 symbols"_s});
    window().OuvrirListe();
    compare(true);
    compare(true);
    EXPECT_EQ(PreparationLog::lines->size(), 2);
}

TEST_F(ComparaisonTest, NomDecidesWhetherTheLabelIsShown) {
    writeSymbol(u"a"_s, cells(0, 9), u"/bin/sh"_s);
    draw(cells(0, 9));
    const struct {
        const char16_t* nom;
        bool shown;
    } rows[] = {{u"1", true}, {u"0", false}, {u"abc", true}, {u"2", false}};
    for (const auto& row : rows) {
        settings::SaveSetting(u"Option"_s, u"Nom"_s, QString::fromUtf16(row.nom));
        display.caption.clear();
        compare(true);
        EXPECT_EQ(display.nameShown, row.shown) << QString::fromUtf16(row.nom).toStdString();
        EXPECT_EQ(display.caption, u"sh (100%)"_s) << "the caption is always updated";
    }
}

TEST_F(ComparaisonTest, AProgramThatCannotStartIsToldAndItsSymbolStillShown) {
    writeSymbol(u"a"_s, cells(0, 9), u""_s);
    writeSymbol(u"b"_s, cells(50, 60), u"/no/such/program"_s);
    writeSymbol(u"c"_s, cells(100, 110), u"/bin/sh"_s);
    starter.succeeds = false;

    draw(cells(50, 60));
    compare(true);
    EXPECT_EQ(display.caption, u"program (100%) — programme introuvable"_s)
        << "the preview says so";
    EXPECT_TRUE(fakes.shell.messages.empty()) << "a preview notifies nothing";

    const struct {
        QString drawn;
        QString told;
    } rows[] = {
        {cells(0, 9), u"« a » n'a rien lancé : aucun programme indiqué."_s},
        {cells(50, 60), u"« b » n'a rien lancé : programme introuvable."_s},
        {cells(100, 110), u"« c » n'a rien lancé : le système n'a pas pu le lancer."_s},
    };
    for (const auto& row : rows) {
        draw(row.drawn);
        compare(false);
        ASSERT_FALSE(fakes.shell.messages.empty());
        EXPECT_EQ(fakes.shell.messages.back(), u"Gestrix: "_s + row.told);
        EXPECT_EQ(gridCells(), row.drawn);
    }
    EXPECT_EQ(starter.calls.size(), 1) << "only c's program was tried";
}

} // namespace
