#include "recognition/Launcher.h"
#include "platform/qt/ProcessStarter.h"
#include "support/FakeProgramStarter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Call = FakeProgramStarter::Call;

namespace {

TEST(Launcher, StartsWithoutAShell) {
    TempFolder folder;
    folder.write(u"My Editor"_s, "#!/bin/sh\n");
    const QString spaced = folder.file(u"My Editor"_s);

    const struct {
        QString repertoire;
        Call expected;
    } rows[] = {
        {u"/usr/bin/xterm"_s, {u"/usr/bin/xterm"_s, {}}},
        {u"xterm -e top"_s, {u"xterm"_s, {u"-e"_s, u"top"_s}}},
        {spaced, {spaced, {}}}, // an existing file is the program, spaces and all
        {u"\"/opt/My App/run\" --file \"a b.txt\""_s,
         {u"/opt/My App/run"_s, {u"--file"_s, u"a b.txt"_s}}},
        {u"  gedit  "_s, {u"gedit"_s, {}}},
        {u"echo $HOME; rm -rf x"_s, {u"echo"_s, {u"$HOME;"_s, u"rm"_s, u"-rf"_s, u"x"_s}}},
    };
    for (const auto& row : rows) {
        FakeProgramStarter starter;
        EXPECT_TRUE(launchRepertoire(row.repertoire, starter));
        ASSERT_EQ(starter.calls.size(), 1) << row.repertoire.toStdString();
        EXPECT_EQ(starter.calls.front(), row.expected) << row.repertoire.toStdString();
    }
}

TEST(Launcher, NothingStartsForABlankText) {
    FakeProgramStarter starter;
    EXPECT_FALSE(launchRepertoire(u""_s, starter));
    EXPECT_FALSE(launchRepertoire(u"   "_s, starter));
    EXPECT_FALSE(launchRepertoire(u"\"\""_s, starter));
    EXPECT_TRUE(starter.calls.isEmpty());
}

TEST(Launcher, AFailedStartIsReported) {
    FakeProgramStarter starter;
    starter.succeeds = false;
    EXPECT_FALSE(launchRepertoire(u"/no/such/program --flag"_s, starter));
    EXPECT_EQ(starter.calls.front(), (Call{u"/no/such/program"_s, {u"--flag"_s}}));

    ProcessStarter real;
    EXPECT_FALSE(launchRepertoire(u"/no/such/program"_s, real));
}

} // namespace
