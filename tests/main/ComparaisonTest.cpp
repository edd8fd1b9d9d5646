#include "main/MainWindowFixture.h"
#include "recognition/OutcomeText.h"
#include "recognition/RecognitionDisplay.h"
#include "recognition/RecognitionMode.h"
#include "store/Settings.h"
#include "widgets/PictureBox.h"
#include "widgets/ScoreBar.h"

#include <QLocale>
#include <QScrollBar>

using namespace Qt::StringLiterals;
using Call = FakeProgramStarter::Call;

namespace {

// Records what a recognition shows; starts as the overlay does, with the label visible.
class FakeDisplay final : public RecognitionDisplay {
public:
    void setFrameColour(const QColor& colour) override { frame = colour; }
    void setLabelCaption(const QString& text) override { caption = text; }
    bool isLabelVisible() const override { return labelVisible; }
    void setLabelVisible(bool visible) override { labelVisible = visible; }

    QColor frame;
    QString caption;
    bool labelVisible = true;
};

const QColor green(0x00, 0xFF, 0x00);
const QColor red(0xFF, 0x00, 0x00);

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
        w.setRecognitionDisplay(&display);
        return w;
    }

    // Puts a drawing into the comparison picture: black on the sample point of each '1' cell.
    void draw(const QString& gridString) {
        QImage picture(97, 97, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int i = 0; i < 144; ++i)
            if (gridString[i] == u'1')
                picture.setPixel(1 + 8 * (i % 12), 1 + 8 * (i / 12), 0x000000);
        ready().comparisonPicture().setImage(picture);
    }

    float bar(const char* name) { return child<ScoreBar>(name)->value(); }
    void setSlider(const char* name, int position) { child<QScrollBar>(name)->setValue(position); }

    FakeDisplay display;
};

TEST_F(ComparaisonTest, RecognisedClickStartsTheProgramAndShowsItsSymbol) {
    writeSymbol(u"bloc"_s, cells(0, 39), u"/bin/sh --new"_s);
    writeSymbol(u"zzz"_s, cells(100, 143), u"/bin/other"_s);
    draw(cells(0, 36));
    ready().Comparaison(false);

    EXPECT_EQ(bar("ProBar"), 92.5f);
    EXPECT_EQ(bar("ProBar2"), 100.0f);
    EXPECT_EQ(display.frame, green);
    EXPECT_EQ(display.caption, u"sh --new (92.5%)"_s);
    EXPECT_TRUE(display.labelVisible);
    EXPECT_EQ(starter.calls, (QList<Call>{{u"/bin/sh"_s, {u"--new"_s}}}));
    EXPECT_EQ(gridCells(), cells(0, 39)) << "the grid shows the recognised symbol";
}

TEST_F(ComparaisonTest, PreviewStartsNothingAndLeavesTheLastSymbolInTheGrid) {
    writeSymbol(u"bloc"_s, cells(0, 39), u"/bin/sh"_s);
    writeSymbol(u"zzz"_s, cells(100, 143), u"/no/such/program"_s);
    draw(cells(0, 39));
    ready().Comparaison(true);
    EXPECT_EQ(display.frame, green);
    EXPECT_EQ(display.caption, u"sh (100%)"_s);
    EXPECT_TRUE(starter.calls.isEmpty());
    EXPECT_EQ(gridCells(), cells(100, 143));
}

TEST_F(ComparaisonTest, NoSelectedSymbolIsARejection) {
    writeSymbol(u"a"_s, cells(0, 9), u"/bin/a"_s);
    // First a recognition, so the bars hold passing scores.
    draw(cells(0, 9));
    ready().Comparaison(true);
    ASSERT_EQ(display.frame, green);

    draw(QString(144, u'0'));
    window().Comparaison(false);
    EXPECT_EQ(display.frame, red);
    EXPECT_FALSE(display.labelVisible);
    EXPECT_EQ(gridCells(), u"0"_s.repeated(144));
    EXPECT_EQ(bar("ProBar"), 100.0f) << "the bars keep their values";
    EXPECT_TRUE(starter.calls.isEmpty());
}

TEST_F(ComparaisonTest, EmptyListRightAfterStartUpIsRejected) {
    draw(cells(0, 143));
    ready().Comparaison(false);
    EXPECT_EQ(display.frame, red);
    EXPECT_FALSE(display.labelVisible);
    EXPECT_EQ(bar("ProBar"), 0.0f);
}

TEST_F(ComparaisonTest, ScoresMustExceedTheSlidersStrictly) {
    writeSymbol(u"a"_s, cells(0, 19), u"/bin/a"_s); // half covered: 50 %
    draw(cells(0, 9));
    setSlider("sensible", 50);
    ready().Comparaison(true);
    EXPECT_EQ(bar("ProBar"), 50.0f);
    EXPECT_EQ(display.frame, red) << "50 against 50 is not enough";

    setSlider("sensible", 49);
    window().Comparaison(true);
    EXPECT_EQ(display.frame, green);

    setSlider("sensible", 0);
    setSlider("sensible2", 100);
    draw(cells(0, 19));
    window().Comparaison(true);
    EXPECT_EQ(bar("ProBar2"), 100.0f);
    EXPECT_EQ(display.frame, red) << "a slider at 100 rejects everything";
}

TEST_F(ComparaisonTest, BarsKeepTheirValueWhenAScoreCannotBeShownButOnlyOwnScoresDecide) {
    writeSymbol(u"a"_s, cells(0, 99), u"/bin/a"_s); // 44 white cells
    writeSymbol(u"b"_s, cells(0, 0), u"/bin/b"_s);  // 143 white cells
    draw(cells(0, 99));
    ready().Comparaison(true);
    ASSERT_EQ(bar("ProBar2"), 100.0f);
    ASSERT_EQ(display.frame, green);

    // Only cell 0 drawn: a is selected, but b's 143 uncovered white cells exceed a's 44.
    setSlider("sensible", 0);
    setSlider("sensible2", 0);
    draw(cells(0, 0));
    window().Comparaison(true);
    EXPECT_EQ(bar("ProBar"), 1.0f);
    EXPECT_EQ(bar("ProBar2"), 100.0f) << "above 100 is refused";
    EXPECT_EQ(display.frame, red) << "the bar's 100 is the last drawing's, not this one's";

    // The selected symbol's file lost every black cell since the list was built.
    folder.writeSymbol(u"symbol/a.ini"_s, QString(144, u'0'), u"/bin/a"_s);
    draw(cells(0, 49));
    window().Comparaison(true);
    EXPECT_EQ(bar("ProBar"), 1.0f) << "division by zero keeps the bar";
}

TEST_F(ComparaisonTest, AStrokeDrawnInHundredPixelStepsIsRecognised) {
    writeSymbol(u"Barre"_s, cells(72, 83), u"/bin/sh"_s);
    fakes.trigger.events = true;
    FrmMain& w = ready();
    TriggerPress press;
    press.position = {100, 300};
    ASSERT_TRUE(w.triggerPressed(press));
    for (int x = 100; x <= 700; x += 100) // far further apart than the pen is wide
        w.overlay()->Form_MouseMove(x, 300);
    w.overlay()->Form_MouseDown(FrmView::LeftButton, 0);
    EXPECT_EQ(starter.calls, (QList<Call>{{u"/bin/sh"_s, {}}}));
}

TEST_F(ComparaisonTest, PreciseModeSelectsByShapeAndTheBarsShowItsScores) {
    chooseRecognitionMode(RecognitionMode::Precise);
    writeSymbol(u"bar"_s, cells(72, 83), u"/bin/sh"_s);
    writeSymbol(u"full"_s, cells(0, 143), u"/bin/false"_s);
    draw(cells(73, 83)); // the bar, one cell short
    ready().Comparaison(false);
    EXPECT_EQ(display.frame, green);
    EXPECT_EQ(starter.calls, (QList<Call>{{u"/bin/sh"_s, {}}}));
    EXPECT_GT(bar("ProBar"), 50.0f) << "similarity";
    EXPECT_GT(bar("ProBar2"), 60.0f) << "margin over the full grid";
    EXPECT_EQ(display.caption, u"sh ("_s + percentageText(bar("ProBar")) + u"%)"_s);
}

TEST_F(ComparaisonTest, NomDecidesWhetherTheLabelIsShown) {
    writeSymbol(u"a"_s, cells(0, 9), u"/bin/sh"_s);
    draw(cells(0, 9));
    const struct {
        const char16_t* nom;
        bool visibleBefore;
        bool visibleAfter;
    } rows[] = {{u"1", false, true},
                {u"0", false, false},
                {u"0", true, true},
                {u"abc", false, true},
                {u"2", false, false}};
    for (const auto& row : rows) {
        settings::SaveSetting(u"Option"_s, u"Nom"_s, QString::fromUtf16(row.nom));
        display.labelVisible = row.visibleBefore;
        display.caption.clear();
        ready().Comparaison(true);
        EXPECT_EQ(display.labelVisible, row.visibleAfter)
            << QString::fromUtf16(row.nom).toStdString();
        EXPECT_EQ(display.caption, u"sh (100%)"_s) << "the caption is always updated";
    }
}

TEST_F(ComparaisonTest, AProgramThatCannotStartIsToldAndItsSymbolStillShown) {
    writeSymbol(u"a"_s, cells(0, 9), u""_s);
    writeSymbol(u"b"_s, cells(50, 60), u"/no/such/program"_s);
    writeSymbol(u"c"_s, cells(100, 110), u"/bin/sh"_s);
    starter.succeeds = false;

    draw(cells(50, 60));
    ready().Comparaison(true);
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
        window().Comparaison(false);
        ASSERT_FALSE(fakes.shell.messages.empty());
        EXPECT_EQ(fakes.shell.messages.back(), u"Gestrix: "_s + row.told);
        EXPECT_EQ(gridCells(), row.drawn);
    }
    EXPECT_EQ(starter.calls.size(), 1) << "only c's program was tried";
}

} // namespace
