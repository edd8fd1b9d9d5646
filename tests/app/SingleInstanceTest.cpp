#include "app/SingleInstance.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(SingleInstance, TheLockKeepsASecondInstanceOut) {
    TempFolder folder;
    SingleInstance first(folder.path());
    ASSERT_TRUE(first.claim());
    EXPECT_FALSE(SingleInstance(folder.path()).claim());
    EXPECT_EQ(first.runningProcessId(), ::getpid());
}

// Whoever reaches the socket is heard briefly: a line too long to be a request is closed at
// once (and said), a peer that says nothing when its time is up.
TEST(SingleInstance, APeerThatSaysTooMuchOrNothingIsClosed) {
    TempFolder folder;
    SingleInstance running(folder.path());
    ASSERT_TRUE(running.claim());
    static QStringList warnings;
    QLoggingCategory::setFilterRules(QStringLiteral("gestrix.instance.warning=true"));
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings.append(text); });
    QLocalSocket silent;
    QLocalSocket chatty;
    for (QLocalSocket* peer : {&silent, &chatty}) {
        peer->connectToServer(folder.file(QStringLiteral("gestrix.socket")));
        ASSERT_TRUE(peer->waitForConnected(5000));
    }
    chatty.write(QByteArray(5000, 'x'));
    const auto closed = [](const QLocalSocket& peer) {
        return QTest::qWaitFor([&] { return peer.state() == QLocalSocket::UnconnectedState; },
                               20000);
    };
    EXPECT_TRUE(closed(chatty));
    EXPECT_TRUE(warnings.join(u'\n').contains(QStringLiteral("too long")))
        << "closed for its length";
    EXPECT_TRUE(closed(silent));
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules({});
}

// Permission bits hold only for other users than root; make test runs this unprivileged.
TEST(SingleInstanceWithoutRoot, ALockThatCannotBeMadeDoesNotKeepGestrixFromStarting) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores permission bits";
    TempFolder folder;
    ASSERT_TRUE(
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_TRUE(SingleInstance(folder.path()).claim()) << "no lock is no reason to refuse";
    ASSERT_TRUE(QFile::setPermissions(
        folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

} // namespace
