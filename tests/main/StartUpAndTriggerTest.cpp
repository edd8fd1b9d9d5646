#include "main/MainWindowFixture.h"
#include "store/Settings.h"
#include "support/ScriptedAnswers.h"
#include "widgets/LinkLabel.h"

#include <QDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

// Whether a link is drawn in blue: clickable links are, disabled ones are grey.
bool drawnInBlue(LinkLabel* link) {
    const QImage shown = link->grab().toImage();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixelColor(x, y) == QColor(Qt::blue))
                return true;
    return false;
}

class StartUpAndTriggerTest : public MainWindowFixture {
protected:
    int overlaysOpened() const { return fakes.photographer.taken; }
};

TEST_F(StartUpAndTriggerTest, IconIsAddedWithTheCaptionAsTipAndRemovedWithTheWindow) {
    writeSymbol(u"a"_s, u"1"_s);
    FrmMain& w = window();
    ASSERT_EQ(fakes.shell.calls.size(), 1u);
    const NotifyIconData& record = fakes.shell.calls.front().record;
    EXPECT_EQ(fakes.shell.calls.front().message, NIM_ADD);
    EXPECT_EQ(record.uCallbackMessage, 512u);
    EXPECT_EQ(record.hWnd, static_cast<ShellWindow*>(&w));
    EXPECT_EQ(record.tipText(), FrmMain::caption().left(63));
    EXPECT_EQ(w.shortcuts().count(), 1);

    m_window.reset();
    EXPECT_EQ(fakes.shell.calls.back().message, NIM_DELETE) << "the icon goes with the window";
}

TEST_F(StartUpAndTriggerTest, WithoutANotificationAreaStartUpGoesOnAndMinimisingKeepsTheWindow) {
    fakes.shell.succeeds = false;
    writeSymbol(u"a"_s, u"1"_s);
    FrmMain& w = window();
    EXPECT_FALSE(w.SysIcon->Visible());
    EXPECT_EQ(w.shortcuts().count(), 1);
    w.show();
    w.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(w.isHidden()) << "no icon to come back with: minimised as usual";
}

TEST_F(StartUpAndTriggerTest, NotificationAreaThatComesLaterGetsTheIcon) {
    fakes.shell.succeeds = false;
    fakes.shell.available = false;
    FrmMain& w = window();
    QTest::qWait(1100);
    EXPECT_EQ(fakes.shell.calls.size(), 1u) << "no retry while there is no notification area";
    fakes.shell.succeeds = true;
    fakes.shell.available = true;
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.SysIcon->Visible(); }, 3000));
    EXPECT_EQ(fakes.shell.calls.back().message, NIM_ADD);

    // The notification area goes away: minimising must not hide the window for good.
    fakes.shell.available = false;
    w.show();
    w.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(w.isHidden());
}

TEST_F(StartUpAndTriggerTest, MinimisingHidesTheWindowAndTheIconBringsItBack) {
    FrmMain& w = window();
    w.show();
    w.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(w.isHidden());
    for (std::uint32_t message : {WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MOUSEMOVE}) {
        w.shellCallback(FrmMain::trayCallbackMessage, message);
        EXPECT_TRUE(w.isHidden()) << message;
    }
    w.shellCallback(FrmMain::trayCallbackMessage + 1, WM_MBUTTONUP);
    EXPECT_TRUE(w.isHidden()) << "another callback message is not the icon's";
    w.shellCallback(FrmMain::trayCallbackMessage, WM_MBUTTONUP);
    EXPECT_FALSE(w.isHidden());
    EXPECT_FALSE(w.isMinimized());
    w.hide();
    w.shellCallback(FrmMain::trayCallbackMessage, WM_LBUTTONUP);
    EXPECT_FALSE(w.isHidden()) << "a left click shows the window";
}

TEST_F(StartUpAndTriggerTest, MiddleButtonOpensOneOverlayAtATime) {
    FrmMain& w = window();
    fakes.trigger.down = true;
    w.gesture().TimDetect_Timer();
    ASSERT_NE(w.gesture().overlay(), nullptr);
    EXPECT_TRUE(w.gesture().isGestureUp());
    w.gesture().TimDetect_Timer();
    w.gesture().TimDetect_Timer();
    EXPECT_EQ(overlaysOpened(), 1) << "held for several ticks: one overlay";

    fakes.trigger.down = false;
    w.gesture().overlay()->Form_MouseDown(FrmView::RightButton, 0);
    EXPECT_FALSE(w.gesture().isGestureUp());
    w.gesture().TimDetect_Timer();
    EXPECT_EQ(overlaysOpened(), 1);

    fakes.trigger.pressed = true; // a click shorter than a poll
    w.gesture().TimDetect_Timer();
    EXPECT_EQ(overlaysOpened(), 2);
    EXPECT_EQ(w.gesture().overlay()->isVisible(), true);
}

TEST_F(StartUpAndTriggerTest, PressEventsOpenTheOverlayAtOnceAndNothingIsPolled) {
    fakes.trigger.events = true;
    FrmMain& w = window();
    EXPECT_EQ(fakes.trigger.handler, &w.gesture());
    QTest::qWait(250);
    EXPECT_EQ(fakes.trigger.reads, 0) << "no poll while presses arrive as events";

    TriggerPress press;
    press.position = QPoint(300, 300);
    EXPECT_TRUE(w.gesture().triggerPressed(press));
    EXPECT_TRUE(w.gesture().isGestureUp());
    EXPECT_FALSE(w.gesture().triggerPressed(press))
        << "with a gesture up, a press is a click on the overlay";
    EXPECT_EQ(overlaysOpened(), 1);
    w.gesture().overlay()->Form_MouseDown(FrmView::RightButton, 0);

    fakes.shell.geometry = QRect(290, 290, 22, 22);
    EXPECT_FALSE(w.gesture().triggerPressed(press)) << "a press on our own icon is the icon's";
    EXPECT_EQ(overlaysOpened(), 1);
}

// Paused from the icon's menu, presses go to the window below and the icon says so; where the
// icon could keep Gestrix running, closing the window asks once whether to end it.
TEST_F(StartUpAndTriggerTest, PausedPressesPassAndClosingAsksOnce) {
    fakes.trigger.events = true;
    FrmMain& w = window();
    w.setGesturesPaused(true);
    EXPECT_FALSE(fakes.trigger.taking);
    EXPECT_FALSE(w.gesture().triggerPressed(TriggerPress{}));
    EXPECT_TRUE(w.SysIcon->TipText().contains(u"suspendus"_s));
    w.setGesturesPaused(false);
    EXPECT_TRUE(w.gesture().triggerPressed(TriggerPress{}));
    w.gesture().overlay()->cancel();

    w.show();
    {
        const ScriptedAnswers answers({false});
        w.close();
        EXPECT_EQ(answers.asked.size(), 1);
        EXPECT_TRUE(w.isVisible()) << "the user said no";
    }
    const ScriptedAnswers none;
    w.close();
    EXPECT_TRUE(none.asked.isEmpty()) << "asked once only";
}

TEST_F(StartUpAndTriggerTest, AHeldPressDrawsAndItsReleaseEndsTheGesture) {
    fakes.trigger.events = true;
    FrmMain& w = window();
    TriggerPress press;
    press.position = QPoint(100, 300);

    // A quick press and release: the overlay stays for free drawing, from the press on (the
    // first movement it sees may be far from it).
    ASSERT_TRUE(w.gesture().triggerPressed(press));
    w.gesture().triggerReleased(QPoint(100, 300));
    EXPECT_TRUE(w.gesture().isGestureUp());
    w.gesture().overlay()->Form_MouseMove(200, 300);
    EXPECT_EQ(w.gesture().overlay()->strokeLayer().pixelColor(150, 300), QColor(Qt::black));
    w.gesture().overlay()->Form_MouseDown(FrmView::RightButton, 0);

    ASSERT_TRUE(w.gesture().triggerPressed(press));
    for (int x = 100; x <= 400; x += 50)
        w.gesture().triggerHeldMove({x, 300});
    EXPECT_EQ(w.gesture().overlay()->maxX, 400) << "held moves draw";
    w.gesture().triggerReleased(QPoint(400, 300));
    EXPECT_FALSE(w.gesture().isGestureUp()) << "the release after a stroke ends the gesture";

    // Read from the mouse itself, a press has no place: the hold starts where the stroke does
    // (whose moves come to the overlay as any pointer's), so a wiggle there is no stroke.
    ASSERT_TRUE(w.gesture().triggerPressed(TriggerPress{}));
    EXPECT_FALSE(fakes.trigger.taking) << "a press read away from the window would start another";
    w.gesture().overlay()->Form_MouseMove(500, 300);
    w.gesture().overlay()->Form_MouseMove(505, 300);
    w.gesture().triggerReleased(std::nullopt);
    EXPECT_TRUE(w.gesture().isGestureUp()) << "the overlay stays for free drawing";
    w.gesture().overlay()->Form_MouseDown(FrmView::RightButton, 0);
    EXPECT_TRUE(fakes.trigger.taking);
}

TEST_F(StartUpAndTriggerTest, TheFramePreferenceIsTheOneStoredWhenTheGestureStarts) {
    settings::SaveSetting(u"Option"_s, u"Grid"_s, u"0"_s);
    fakes.trigger.events = true;
    FrmMain& w = window();
    ASSERT_TRUE(w.gesture().triggerPressed({}));
    w.gesture().overlay()->Form_MouseMove(100, 200);
    EXPECT_FALSE(w.gesture().overlay()->isFrameVisible());
}

TEST_F(StartUpAndTriggerTest, AGestureStartedBeforeTheLastOverlayWasDeletedKeepsGoing) {
    fakes.trigger.events = true;
    FrmMain& w = window();
    ASSERT_TRUE(w.gesture().triggerPressed({}));
    w.gesture().overlay()->Form_MouseDown(FrmView::RightButton, 0);
    ASSERT_TRUE(w.gesture().triggerPressed({})) << "the cancelled overlay awaits deletion";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.gesture().isGestureUp());
    EXPECT_EQ(fakes.photographer.released, 0) << "the new photograph is still in use";
    EXPECT_FALSE(w.gesture().triggerPressed({})) << "so a press is a click on the new overlay";
}

TEST_F(StartUpAndTriggerTest, PressThatEndedAGestureDoesNotOpenAnother) {
    FrmMain& w = window();
    fakes.trigger.pressed = true;
    w.gesture().TimDetect_Timer();
    ASSERT_TRUE(w.gesture().isGestureUp());
    w.gesture().TimDetect_Timer(); // a poll while the gesture is up
    // A middle click ends the gesture between two polls.
    fakes.trigger.pressed = true;
    w.gesture().overlay()->Form_MouseDown(FrmView::MiddleButton, 0);
    w.gesture().TimDetect_Timer();
    EXPECT_EQ(overlaysOpened(), 1);
    EXPECT_FALSE(w.gesture().isGestureUp());
}

// Where the desktop is asked for the photograph, the gesture is under way from the request on;
// without a photograph the overlay is a plain, opaque background: a compositor draws nothing
// under a full-screen window, so a see-through one would show nothing.
TEST_F(StartUpAndTriggerTest, OverlayOpensWhenTheLatePhotographComes) {
    fakes.photographer.holdsBack = true;
    FrmMain& w = window();
    w.gesture().startOnRequest();
    EXPECT_TRUE(w.gesture().isGestureUp());
    EXPECT_EQ(w.gesture().overlay(), nullptr);
    w.gesture().startOnRequest();
    EXPECT_FALSE(w.gesture().triggerPressed(TriggerPress{}));
    EXPECT_EQ(overlaysOpened(), 1) << "one photograph asked for, however often the gesture is";

    fakes.photographer.deliverPending();
    ASSERT_NE(w.gesture().overlay(), nullptr);
    EXPECT_FALSE(w.gesture().overlay()->testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(qAlpha(w.gesture().overlay()->canvas().pixel(5, 5)), 0xFF);
    w.gesture().overlay()->Form_MouseDown(FrmView::RightButton, 0);
    EXPECT_FALSE(w.gesture().isGestureUp());

    // A photograph that keeps the overlay waiting is not waited for: the overlay opens on its
    // calm background, and the photograph takes its place when it comes, under the stroke.
    w.gesture().startOnRequest();
    EXPECT_EQ(overlaysOpened(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.gesture().overlay() != nullptr; }));
    FrmView& calm = *w.gesture().overlay();
    const QRgb background = calm.canvas().pixel(calm.width() - 5, calm.height() - 5);
    calm.Form_MouseMove(100, 100);
    calm.Form_MouseMove(300, 100);
    fakes.photographer.picture = QImage(calm.size(), QImage::Format_RGB32);
    fakes.photographer.picture.fill(Qt::magenta);
    fakes.photographer.deliverPending();
    EXPECT_NE(background, QColor(Qt::magenta).rgb());
    EXPECT_EQ(calm.canvas().pixel(calm.width() - 5, calm.height() - 5), QColor(Qt::magenta).rgb());
    EXPECT_EQ(calm.canvas().pixel(200, 100), qRgb(0, 0, 0)) << "the stroke stays over it";

    // The desktop asks the user before it photographs: its question stays uncovered, and the
    // user learns what to answer.
    w.gesture().overlay()->Form_MouseDown(FrmView::RightButton, 0);
    fakes.photographer.asking = true;
    w.gesture().startOnRequest();
    fakes.photographer.deliverPending();
    EXPECT_EQ(w.gesture().overlay(), nullptr);
    EXPECT_FALSE(w.gesture().isGestureUp());
    ASSERT_FALSE(fakes.shell.messages.empty());
    EXPECT_TRUE(fakes.shell.messages.back().contains(u"« Autoriser »"_s));
}

TEST_F(StartUpAndTriggerTest, ModifyAndDeleteFollowTheSelectionNotTheCurrentRow) {
    writeSymbol(u"a"_s, u"1"_s);
    writeSymbol(u"b"_s, u"11"_s);
    FrmMain& w = window();
    auto* modify = child<LinkLabel>("Label7");
    auto* remove = child<LinkLabel>("Label8");
    auto* list = child<QTreeView>("lstV");
    EXPECT_TRUE(child<LinkLabel>("Label6")->isEnabled());

    // What the list getting the focus does: a current row, nothing selected. At start-up and
    // after a rebuild alike, nothing is previewed, enabled or deleted.
    for (int round = 0; round < 2; ++round) {
        list->selectionModel()->setCurrentIndex(list->model()->index(round, 0),
                                                QItemSelectionModel::NoUpdate);
        w.gesture().TimDetect_Timer();
        EXPECT_FALSE(modify->isEnabled());
        EXPECT_FALSE(remove->isEnabled());
        EXPECT_FALSE(drawnInBlue(remove));
        w.Label8_Click();
        EXPECT_EQ(w.shortcuts().count(), 2);
        EXPECT_EQ(gridCells(), u"0"_s.repeated(144));
        w.OuvrirListe();
    }

    list->setCurrentIndex(list->model()->index(1, 0));
    w.gesture().TimDetect_Timer();
    EXPECT_TRUE(modify->isEnabled());
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_TRUE(drawnInBlue(remove));
    EXPECT_EQ(gridCells(), u"11"_s + u"0"_s.repeated(142)) << "a selection previews";

    writeSymbol(u"c"_s, u"1"_s);
    w.OuvrirListe(); // a change to the list drops the selection
    w.gesture().TimDetect_Timer();
    EXPECT_FALSE(modify->isEnabled());
}

// "Supprimer" puts the file in the trash, whitens the grid, and the link brings it back.
TEST_F(StartUpAndTriggerTest, ADeleteGoesToTheTrashAndCanBeUndone) {
    writeSymbol(u"a"_s, u"11"_s);
    FrmMain& w = window();
    const QByteArray stored = folder.read(u"symbol/a.ini"_s);
    // The trash is the test program's, and other tests may have put an "a.ini" there already.
    const QString trash = qEnvironmentVariable("XDG_DATA_HOME") + u"/Trash"_s;
    const auto trashed = [&trash] {
        return QDir(trash + u"/files"_s).entryList(QDir::Files | QDir::Hidden).size();
    };
    const auto notes = [&trash] {
        return QDir(trash + u"/info"_s).entryList({u"*.trashinfo"_s}, QDir::Files);
    };
    const QStringList notesBefore = notes();
    const qsizetype trashedBefore = trashed();
    auto* list = child<QTreeView>("lstV");
    list->setCurrentIndex(list->model()->index(0, 0));
    auto* undo = child<LinkLabel>("undoDelete");
    EXPECT_TRUE(undo->isHidden());
    w.Label8_Click();
    EXPECT_EQ(w.shortcuts().count(), 0);
    EXPECT_EQ(gridCells(), u"0"_s.repeated(144)) << "the deleted symbol is not shown";
    EXPECT_EQ(trashed(), trashedBefore + 1);
    EXPECT_FALSE(undo->isHidden());
    w.undoLastDelete();
    EXPECT_EQ(folder.read(u"symbol/a.ini"_s), stored);
    EXPECT_EQ(w.shortcuts().count(), 1);
    EXPECT_TRUE(undo->isHidden());
    EXPECT_EQ(trashed(), trashedBefore);
    EXPECT_EQ(notes(), notesBefore) << "the trash's note stayed";

    // The link is offered for a while only; once it has gone, nothing comes back.
    list->setCurrentIndex(list->model()->index(0, 0));
    w.Label8_Click();
    auto* expiry = w.findChild<QTimer*>(u"undoExpiry"_s);
    ASSERT_NE(expiry, nullptr);
    EXPECT_TRUE(expiry->isActive());
    expiry->start(0); // its time is up
    ASSERT_TRUE(QTest::qWaitFor([undo] { return undo->isHidden(); }));
    w.undoLastDelete();
    EXPECT_EQ(w.shortcuts().count(), 0);
    EXPECT_EQ(trashed(), trashedBefore + 1);
}

} // namespace
