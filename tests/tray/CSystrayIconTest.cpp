#include "tray/CSystrayIcon.h"
#include "support/FakePlatform.h"
#include "support/QtPrinters.h"
#include "tray/QtNotificationShell.h"
#include "tray/TrayCallback.h"

#include <QPixmap>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using FakeShell = FakeNotificationShell;

class Window final : public ShellWindow {
public:
    void shellCallback(std::uint32_t, std::uint32_t) override {}
};

QIcon icon(Qt::GlobalColor colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

class CSystrayIconTest : public ::testing::Test {
protected:
    CSystrayIconTest() {
        QObject::connect(&tray, &CSystrayIcon::NIError,
                         [this](std::uint32_t code) { errors.push_back(code); });
        tray.Initialize(&window, icon(Qt::red), u"Strokely"_s, 512);
    }
    FakeShell shell;
    Window window;
    std::vector<std::uint32_t> errors; // outlives the icon, which may report as it goes
    CSystrayIcon tray{shell};
};

TEST_F(CSystrayIconTest, InitializeFillsTheRecordAndCallsNothing) {
    const NotifyIconData& record = tray.record();
    EXPECT_EQ(record.cbSize, 88u);
    EXPECT_EQ(record.hWnd, &window);
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 512u);
    EXPECT_EQ(record.szTip, u"Strokely"_s + QChar(0) + QString(55, u' '));
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_FALSE(tray.Visible());
    EXPECT_TRUE(tray.UpdateOnChange());
}

TEST_F(CSystrayIconTest, ShowAndHideCallTheShellOnlyWhenNeeded) {
    EXPECT_FALSE(tray.HideIcon()) << "hidden already";
    EXPECT_TRUE(tray.ShowIcon());
    EXPECT_FALSE(tray.ShowIcon()) << "shown already";
    EXPECT_TRUE(tray.Visible());
    EXPECT_TRUE(tray.HideIcon());
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].message, NIM_ADD);
    EXPECT_EQ(shell.calls[1].message, NIM_DELETE);
    EXPECT_TRUE(errors.empty());
}

TEST_F(CSystrayIconTest, LongTipIsCutTo63Characters) {
    const QString seventy(70, u'x');
    tray.setTipText(seventy);
    EXPECT_EQ(tray.TipText(), QString(63, u'x'));
    tray.ShowIcon();
    EXPECT_EQ(shell.calls.back().record.szTip, QString(63, u'x') + QChar(0));
    EXPECT_EQ(shell.calls.back().record.tipText(), QString(63, u'x'));
}

TEST_F(CSystrayIconTest, PropertyChangesSendOneFieldWhileShown) {
    tray.setIconHandle(icon(Qt::blue));
    EXPECT_TRUE(shell.calls.empty()) << "hidden: nothing is sent";
    tray.ShowIcon();
    EXPECT_EQ(shell.calls.back().record.hIcon.cacheKey(), tray.IconHandle().cacheKey())
        << "added with the new icon";

    const QIcon green = icon(Qt::green);
    tray.setIconHandle(green);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].message, NIM_MODIFY);
    EXPECT_EQ(shell.calls[1].record.uFlags, 2u);
    EXPECT_EQ(shell.calls[1].record.hIcon.cacheKey(), green.cacheKey());
    EXPECT_EQ(tray.record().uFlags, 7u);

    tray.setCallbackMessage(600);
    tray.setTipText(u"new"_s);
    EXPECT_EQ(shell.calls[2].record.uFlags, 1u);
    EXPECT_EQ(shell.calls[2].record.uCallbackMessage, 600u);
    EXPECT_EQ(shell.calls[3].record.uFlags, 4u);
}

TEST_F(CSystrayIconTest, WithoutUpdateOnChangeNothingIsSentUntilUpdate) {
    tray.ShowIcon();
    tray.setUpdateOnChange(false);
    tray.setTipText(u"later"_s);
    tray.setCallbackMessage(700);
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_TRUE(tray.Update());
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].message, NIM_MODIFY);
    EXPECT_EQ(shell.calls[1].record.uFlags, 7u);
    EXPECT_EQ(shell.calls[1].record.tipText(), u"later"_s);
    EXPECT_EQ(shell.calls[1].record.uCallbackMessage, 700u);
}

TEST_F(CSystrayIconTest, RefusedCallRaisesNIErrorAndKeepsTheState) {
    shell.succeeds = false;
    EXPECT_FALSE(tray.ShowIcon());
    EXPECT_FALSE(tray.Visible());
    EXPECT_EQ(errors, std::vector<std::uint32_t>{1460});

    shell.succeeds = true;
    tray.ShowIcon();
    shell.succeeds = false;
    EXPECT_FALSE(tray.HideIcon());
    EXPECT_TRUE(tray.Visible());
    EXPECT_EQ(errors.size(), 2u);
}

TEST(CSystrayIcon, DestructionRemovesAShownIcon) {
    FakeShell shell;
    Window window;
    {
        CSystrayIcon tray(shell);
        tray.Initialize(&window, QIcon(), u"tip"_s, 512);
        tray.ShowIcon();
    }
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls.back().message, NIM_DELETE);

    { CSystrayIcon fresh(shell); }
    EXPECT_EQ(shell.calls.size(), 2u) << "nothing shown, nothing deleted";
}

TEST(TrayCallback, RightDoubleClickAndMiddleButtonShowTheWindow) {
    const struct {
        std::uint32_t message;
        bool shows;
    } rows[] = {
        {WM_MOUSEMOVE, false},     {WM_LBUTTONDOWN, false}, {WM_LBUTTONUP, false},
        {WM_LBUTTONDBLCLK, false}, {WM_RBUTTONDOWN, false}, {WM_RBUTTONUP, false},
        {WM_RBUTTONDBLCLK, true},  {WM_MBUTTONDOWN, true},  {WM_MBUTTONUP, true},
        {WM_MBUTTONDBLCLK, true},  {0x20A, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(showsMainWindow(row.message), row.shows) << row.message;
}

TEST(QtNotificationShell, QtActivationsStandForThePointerMessagesOfTheirClicks) {
    const struct {
        QSystemTrayIcon::ActivationReason reason;
        std::uint32_t message;
    } rows[] = {
        {QSystemTrayIcon::Trigger, WM_LBUTTONUP},
        {QSystemTrayIcon::DoubleClick, WM_LBUTTONDBLCLK},
        {QSystemTrayIcon::MiddleClick, WM_MBUTTONUP},
        {QSystemTrayIcon::Context, WM_RBUTTONUP},
        {QSystemTrayIcon::Unknown, WM_MOUSEMOVE},
    };
    for (const auto& row : rows)
        EXPECT_EQ(QtNotificationShell::pointerMessageOf(row.reason), row.message) << row.reason;
}

} // namespace
