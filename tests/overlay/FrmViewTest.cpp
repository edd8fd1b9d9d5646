#include "overlay/FrmView.h"
#include "overlay/Capture.h"
#include "overlay/Trail.h"
#include "recognition/DrawingSampler.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Records what the overlay hands out.
struct Captures {
    bool gestureUp = true;
    QImage block;
    QImage comparison;
    int captures = 0;
    QList<bool> comparisons; // DontLaunch of each capture
    Stroke stroke;
};

bool isBlack(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xFFFFFF) == 0;
}

class FrmViewTest : public ::testing::Test {
protected:
    FrmViewTest() { QSettings(u"Gestrix"_s, u"Gestrix"_s).clear(); }

    FrmView& open(QSize screen = {1024, 768}, const QImage& photograph = {},
                  bool frameShown = true) {
        view.reset(new FrmView(photograph, QRect(QPoint(0, 0), screen), frameShown));
        view->setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
        QObject::connect(view.get(), &FrmView::captured,
                         [this](const QImage& block, const Stroke& stroke, bool dont) {
                             host.block = block;
                             host.stroke = stroke;
                             host.comparison = capture::comparisonPicture(block, {97, 97});
                             ++host.captures;
                             host.comparisons.append(dont);
                         });
        QObject::connect(view.get(), &FrmView::gestureEnded, [this] { host.gestureUp = false; });
        view->show();
        return *view;
    }

    Captures host;
    std::unique_ptr<FrmView> view;
};

TEST_F(FrmViewTest, OneMovementPaintsADotAndFramesIt) {
    FrmView& overlay = open();
    overlay.Form_MouseMove(100, 200);
    EXPECT_EQ(overlay.DrawWidth, 43);
    EXPECT_EQ(std::tuple(overlay.minX, overlay.maxX, overlay.minY, overlay.maxY),
              std::tuple(100, 100, 200, 200));
    EXPECT_EQ(overlay.shp(), QRectF(78.5, 178.5, 43, 43));
    EXPECT_EQ(overlay.labelPosition(), QPointF(88.5, 188.5));
    EXPECT_TRUE(overlay.isFrameVisible());
    for (const QImage* image : {&overlay.canvas(), &overlay.strokeLayer()}) {
        EXPECT_TRUE(isBlack(*image, 100, 200));
        EXPECT_TRUE(isBlack(*image, 80, 200));
        EXPECT_FALSE(isBlack(*image, 123, 200));
    }
}

TEST_F(FrmViewTest, TheCrossSaysTheScreenIsFrozen) {
    EXPECT_EQ(open().cursor().shape(), Qt::CrossCursor);
}

TEST_F(FrmViewTest, FrameEnclosesEveryDot) {
    FrmView& overlay = open();
    overlay.Form_MouseMove(100, 200);
    overlay.Form_MouseMove(300, 150);
    EXPECT_EQ(overlay.shp(), QRectF(78.5, 128.5, 243, 93));
    EXPECT_EQ(overlay.labelPosition(), QPointF(88.5, 138.5));
}

TEST_F(FrmViewTest, PenWidthFollowsTheScreenWidth) {
    for (auto [width, pen] :
         {std::pair(1024, 43), std::pair(1280, 53), std::pair(1920, 80), std::pair(1236, 52)}) {
        open(QSize(width, 600)).Form_MouseMove(10, 10);
        EXPECT_EQ(view->DrawWidth, pen) << width;
    }
}

TEST_F(FrmViewTest, WithoutTheFrameTheLabelStillFollows) {
    FrmView& overlay = open({1024, 768}, {}, false);
    overlay.Form_MouseMove(100, 200);
    EXPECT_FALSE(overlay.isFrameVisible());
    EXPECT_EQ(overlay.labelPosition(), QPointF(88.5, 188.5));
}

TEST_F(FrmViewTest, ClickBeforeAnyMovementCapturesTheLoadTimeFrame) {
    QImage blackScreen(1024, 768, QImage::Format_RGB32);
    blackScreen.fill(Qt::black);
    open(QSize(1024, 768), blackScreen).Form_MouseDown(FrmView::LeftButton, 0);
    ASSERT_EQ(host.captures, 1);
    EXPECT_EQ(host.block.size(), QSize(161, 81));
    // The photograph is black there, but only the stroke counts as drawing.
    EXPECT_TRUE(sampleDrawing(host.comparison, 15, 15).none());
}

TEST_F(FrmViewTest, BlackPhotographInsideTheFrameCoversNoCell) {
    QImage photograph(1024, 768, QImage::Format_RGB32);
    photograph.fill(Qt::black);
    FrmView& overlay = open(QSize(1024, 768), photograph);
    // A diagonal stroke across a 543 x 343 frame that is black all over on the photograph.
    overlay.Form_MouseMove(100, 100);
    overlay.Form_MouseMove(600, 400);
    overlay.Form_MouseDown(FrmView::LeftButton, FrmView::ShiftKey);
    const DrawingGrid covered = sampleDrawing(host.comparison, 15, 15);
    // Rows 3 to 9 hold the frame: the diagonal covers cells from (3, 1) to (9, 11), its corners
    // (3, 11) and (9, 1) are black screen only.
    EXPECT_TRUE(covered[3 * 12 + 1] && covered[9 * 12 + 11]) << "the stroke is drawing";
    EXPECT_FALSE(covered[3 * 12 + 11] || covered[9 * 12 + 1])
        << "the black screen beside it is not";
}

TEST_F(FrmViewTest, AFastStrokeIsContinuous) {
    FrmView& overlay = open();
    for (int x = 100; x <= 900; x += 100) // far further apart than the pen is wide
        overlay.Form_MouseMove(x, 300);
    for (int x = 100; x <= 900; x += 5)
        EXPECT_TRUE(isBlack(overlay.strokeLayer(), x, 300)) << x;
    overlay.Form_MouseMove(900, 300); // no movement: no new point
    overlay.Form_MouseDown(FrmView::LeftButton, FrmView::ShiftKey);
    EXPECT_EQ(host.stroke, (Stroke{{100, 300},
                                   {200, 300},
                                   {300, 300},
                                   {400, 300},
                                   {500, 300},
                                   {600, 300},
                                   {700, 300},
                                   {800, 300},
                                   {900, 300}}))
        << "the path as it was drawn";
}

TEST_F(FrmViewTest, OutcomesByButtonAndModifiers) {
    const struct {
        const char* name;
        int button;
        int shift;
        int captures;
        QList<bool> comparisons; // DontLaunch of each Comparaison
        bool stillShown;
        bool gestureUp;
    } rows[] = {
        {"right: cancel", FrmView::RightButton, 0, 0, {}, false, false},
        {"right with Shift: cancel", FrmView::RightButton, FrmView::ShiftKey, 0, {}, false, false},
        {"left: final", FrmView::LeftButton, 0, 1, {false}, false, false},
        {"middle: final", FrmView::MiddleButton, 0, 1, {false}, false, false},
        {"Shift: preview", FrmView::LeftButton, FrmView::ShiftKey, 1, {true}, true, true},
        {"Ctrl: launch and stay", FrmView::LeftButton, FrmView::CtrlKey, 1, {false}, true, true},
        {"Alt: launch and stay", FrmView::MiddleButton, FrmView::AltKey, 1, {false}, true, true},
        {"Shift+Ctrl: launch and stay",
         FrmView::LeftButton,
         FrmView::ShiftKey | FrmView::CtrlKey,
         1,
         {false},
         true,
         true},
    };
    for (const auto& row : rows) {
        host = Captures();
        host.block = QImage(3, 3, QImage::Format_RGB32); // what a cancel must leave alone
        FrmView& overlay = open();
        overlay.Form_MouseMove(100, 200);
        overlay.Form_MouseDown(row.button, row.shift);
        EXPECT_EQ(host.captures, row.captures) << row.name;
        EXPECT_EQ(host.comparisons, row.comparisons) << row.name;
        EXPECT_EQ(overlay.isVisible(), row.stillShown) << row.name;
        EXPECT_EQ(host.gestureUp, row.gestureUp) << row.name;
        if (row.captures == 0)
            EXPECT_EQ(host.block.size(), QSize(3, 3)) << row.name;
        else
            EXPECT_EQ(host.block.size(), QSize(43, 43)) << row.name;
    }
}

TEST_F(FrmViewTest, RealClicksMapToButtonsAndModifiers) {
    FrmView& overlay = open();
    // Qt drops a move to where the pointer already is, and an earlier test may have left it at
    // either point: only the second move is sure to arrive.
    QTest::mouseMove(overlay.windowHandle(), QPoint(50, 60));
    QTest::mouseMove(overlay.windowHandle(), QPoint(100, 200));
    QTest::mouseClick(overlay.windowHandle(), Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 200));
    EXPECT_EQ(host.comparisons, QList<bool>{true});
    EXPECT_EQ(std::pair(overlay.maxX, overlay.maxY), std::pair(100, 200));
    QTest::mouseClick(overlay.windowHandle(), Qt::RightButton, {}, QPoint(100, 200));
    EXPECT_FALSE(host.gestureUp);
    EXPECT_FALSE(overlay.isVisible());
}

TEST_F(FrmViewTest, PreviewsRunTwiceASecondUntilTheGestureEnds) {
    open();
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.comparisons.size() >= 2; }, 5000));
    EXPECT_GE(clock.elapsed(), 900) << "a preview every 500 ms, not more often";
    EXPECT_EQ(host.comparisons.count(false), 0) << "previews never launch";

    view->Form_MouseDown(FrmView::RightButton, 0);
    host.comparisons.clear();
    QTest::qWait(600);
    EXPECT_TRUE(host.comparisons.isEmpty());
}

TEST_F(FrmViewTest, EscapeCancelsAndNoKeyReachesAnotherWindow) {
    FrmView& overlay = open();
    QLineEdit elsewhere; // a window of ours that Qt might hand the keys to
    elsewhere.show();
    QTest::keyClicks(&elsewhere, u"abc"_s);
    EXPECT_TRUE(elsewhere.text().isEmpty());
    EXPECT_TRUE(host.gestureUp);
    QTest::keyClick(&elsewhere, Qt::Key_Escape);
    EXPECT_FALSE(host.gestureUp);
    EXPECT_FALSE(overlay.isVisible());
    EXPECT_EQ(host.captures, 0) << "Escape cancels like a right click";
}

TEST_F(FrmViewTest, OnScreenTheTrailHasALightOutlineAndTheStrokeLayerNone) {
    QImage dark(1024, 768, QImage::Format_RGB32);
    dark.fill(Qt::black);
    FrmView& overlay = open(QSize(1024, 768), dark);
    overlay.Form_MouseMove(100, 200); // a dot 43 pixels wide
    EXPECT_TRUE(isBlack(overlay.canvas(), 120, 200));
    EXPECT_EQ(overlay.canvas().pixel(122, 200), qRgb(255, 255, 255)) << "the outline";
    EXPECT_TRUE(isBlack(overlay.canvas(), 126, 200)) << "the dark screen beyond it";
    EXPECT_EQ(overlay.strokeLayer().pixelColor(122, 200), QColor(Qt::white));
}

TEST_F(FrmViewTest, APhotographFinerThanTheOverlayIsDrawnOnAtItsOwnResolution) {
    QImage fine(2048, 1536, QImage::Format_RGB32);
    fine.fill(Qt::white);
    fine.setDevicePixelRatio(2);
    FrmView& overlay = open(QSize(1024, 768), fine);
    EXPECT_EQ(overlay.canvas().size(), QSize(2048, 1536)) << "not scaled down";
    overlay.Form_MouseMove(100, 200);
    EXPECT_TRUE(isBlack(overlay.canvas(), 200, 400));
    EXPECT_TRUE(isBlack(overlay.canvas(), 240, 400));
    EXPECT_FALSE(isBlack(overlay.canvas(), 250, 400));
    EXPECT_TRUE(isBlack(overlay.strokeLayer(), 120, 200))
        << "the stroke layer stays in the overlay's pixels";
}

TEST_F(FrmViewTest, APieceOfTheTrailPaintedAgainFromTheStrokeIsWhatWasDrawn) {
    QImage dark(1024, 768, QImage::Format_RGB32);
    dark.fill(Qt::black);
    FrmView& overlay = open(QSize(1024, 768), dark);
    // It crosses itself: the outline of the last part must not cover the first.
    const Stroke stroke{{100, 200}, {300, 200}, {200, 100}, {200, 300}};
    for (const QPoint at : stroke)
        overlay.Form_MouseMove(at.x(), at.y());
    const QRect piece(150, 150, 130, 90);
    QImage redrawn(piece.size(), QImage::Format_RGB32);
    redrawn.fill(Qt::black);
    trail::paintTrail(redrawn, piece.topLeft(), overlay.strokeLayer(), stroke, overlay.DrawWidth);
    EXPECT_EQ(redrawn, overlay.canvas().copy(piece));
}

TEST_F(FrmViewTest, AStrokeThatGoesOnOverAnotherScreenIsOneDrawing) {
    FrmView& left = open();
    FrmView right(QImage(), QRect(1024, 0, 1024, 768), true);
    right.setAttribute(Qt::WA_DeleteOnClose, false);
    QObject::connect(&left, &FrmView::strokeExtended, &right, &FrmView::followStroke);
    QObject::connect(&right, &FrmView::strokeExtended, &left, &FrmView::followStroke);
    left.Form_MouseMove(900, 300);
    left.Form_MouseMove(1000, 300);
    right.Form_MouseMove(100, 300); // 1124 on the desktop
    EXPECT_TRUE(isBlack(right.canvas(), 0, 300)) << "the step across shows on both screens";
    left.Form_MouseDown(FrmView::LeftButton, FrmView::ShiftKey);
    EXPECT_EQ(host.stroke, (Stroke{{900, 300}, {1000, 300}, {1124, 300}}));
    EXPECT_EQ(host.block.width(), 1124 - 900 + left.DrawWidth);
    EXPECT_TRUE(isBlack(host.block, host.block.width() - left.DrawWidth / 2, left.DrawWidth / 2))
        << "the part drawn over the other screen";
}

TEST_F(FrmViewTest, FrameAndLabelShowTheDecision) {
    FrmView& overlay = open();
    Decision accepted;
    accepted.accepted = true;
    overlay.showDecision(accepted, u"bloc (92.5%)"_s, true);
    EXPECT_EQ(overlay.frameColour(), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(overlay.lblLaunch().text(), u"bloc (92.5%)"_s);
    EXPECT_FALSE(overlay.lblLaunch().isHidden());
    overlay.showDecision(Decision(), QString(), true);
    EXPECT_EQ(overlay.frameColour(), QColor(0xFF, 0x00, 0x00));
    EXPECT_TRUE(overlay.lblLaunch().isHidden());
    overlay.showDecision(accepted, u"porte (80%)"_s, false);
    EXPECT_TRUE(overlay.lblLaunch().isHidden()) << "without the name, the label stays as it was";
}

} // namespace
