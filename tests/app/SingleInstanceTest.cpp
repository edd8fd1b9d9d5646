#include "app/SingleInstance.h"
#include "support/TestFiles.h"

#include <QFile>

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
