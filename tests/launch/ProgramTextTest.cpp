#include "launch/ProgramText.h"
#include "platform/desktop/DesktopProgramStarter.h"
#include "support/FakeProgramStarter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Call = FakeProgramStarter::Call;
using Kind = ProgramCommand::Kind;

namespace {

// A folder with an executable whose name has a space, a document, a desktop entry and a folder.
class ProgramTextTest : public ::testing::Test {
protected:
    ProgramTextTest() {
        folder.write(u"My Editor"_s, "#!/bin/sh\ntouch \"$1.ran\"\n");
        QFile::setPermissions(editor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        folder.write(u"notes.txt"_s, "notes\n");
        folder.write(u"app.desktop"_s, "[Desktop Entry]\nType=Application\nName=App\nExec=\"" +
                                           editor.toUtf8() + "\" %k\n");
        QDir(folder.path()).mkdir(u"Documents"_s);
    }
    TempFolder folder;
    const QString editor = folder.file(u"My Editor"_s);
    const QString notes = folder.file(u"notes.txt"_s);
    const QString entry = folder.file(u"app.desktop"_s);
    const QString documents = folder.file(u"Documents"_s);
};

TEST_F(ProgramTextTest, TheTextBecomesACommandWithoutAShell) {
    const struct {
        QString repertoire;
        ProgramCommand expected;
    } rows[] = {
        {u"/usr/bin/xterm"_s, {Kind::Executable, u"/usr/bin/xterm"_s, {}}},
        {u"xterm -e top"_s, {Kind::Executable, u"xterm"_s, {u"-e"_s, u"top"_s}}},
        {editor, {Kind::Executable, editor, {}}}, // an existing file is the program, spaces and all
        {u"\"/opt/My App/run\" --file \"a b.txt\""_s,
         {Kind::Executable, u"/opt/My App/run"_s, {u"--file"_s, u"a b.txt"_s}}},
        {u"  gedit  "_s, {Kind::Executable, u"gedit"_s, {}}},
        {u"echo $HOME; rm -rf x"_s,
         {Kind::Executable, u"echo"_s, {u"$HOME;"_s, u"rm"_s, u"-rf"_s, u"x"_s}}},
        {notes, {Kind::Document, notes, {}}},
        {documents, {Kind::Document, documents, {}}},
        {entry, {Kind::DesktopEntry, entry, {}}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ProgramText(row.repertoire).command(), row.expected)
            << row.repertoire.toStdString();
}

TEST_F(ProgramTextTest, ProblemsAreFoundWithoutStartingAnything) {
    const struct {
        QString repertoire;
        std::optional<LaunchError> problem;
    } rows[] = {
        {u""_s, LaunchError::NoProgram},
        {u"   "_s, LaunchError::NoProgram},
        {u"\"\""_s, LaunchError::NoProgram},
        {u"/no/such/program --flag"_s, LaunchError::NotFound},
        {u"no-such-program-anywhere"_s, LaunchError::NotFound},
        {u"\""_s + documents + u"\" --flag"_s, LaunchError::NotExecutable},
        {u"\""_s + notes + u"\" --flag"_s, LaunchError::NotExecutable},
        {u"/opt/"_s + QString(256, u'p'), LaunchError::TooLong},
        {u"sh -c true"_s, std::nullopt},
        {notes, std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ProgramText(row.repertoire).problem(), row.problem)
            << row.repertoire.toStdString();
}

TEST_F(ProgramTextTest, EachKindStartsItsWay) {
    FakeProgramStarter starter;
    EXPECT_FALSE(ProgramText(u"sh -c true"_s).launch(starter));
    EXPECT_FALSE(ProgramText(notes).launch(starter));
    EXPECT_FALSE(ProgramText(documents).launch(starter));
    EXPECT_FALSE(ProgramText(entry).launch(starter));
    EXPECT_EQ(starter.calls, (QList<Call>{{u"sh"_s, {u"-c"_s, u"true"_s}}}));
    EXPECT_EQ(starter.opened, (QStringList{notes, documents}));
    EXPECT_EQ(starter.desktopEntries, QStringList{entry});

    EXPECT_EQ(ProgramText(u"/no/such/program"_s).launch(starter)->error, LaunchError::NotFound);
    EXPECT_EQ(starter.calls.size(), 1) << "a problem found beforehand starts nothing";
    starter.opens = false;
    EXPECT_EQ(ProgramText(notes).launch(starter)->error, LaunchError::NoApplication);
    EXPECT_EQ(starter.opened.size(), 2) << "a document no application opens is not opened";
    starter.succeeds = false;
    EXPECT_EQ(ProgramText(entry).launch(starter)->error, LaunchError::StartFailed);
}

// The label's name: never an argument's, and a desktop entry's application rather than its file.
TEST_F(ProgramTextTest, TheProgramIsNamedWithoutItsFolderOrArguments) {
    const FakeProgramStarter starter;
    EXPECT_EQ(ProgramText(u"sh -c \"touch /tmp/marker\""_s).name(starter), u"sh"_s);
    EXPECT_EQ(ProgramText(u"/usr/bin/bloc --x /y"_s).name(starter), u"bloc"_s);
    EXPECT_EQ(ProgramText(u"\""_s + editor + u"\" --flag"_s).name(starter), u"My Editor"_s);
    EXPECT_EQ(ProgramText(documents + u"/"_s).name(starter), u"Documents"_s);
    EXPECT_EQ(ProgramText(entry).name(starter), u"Fake App"_s);
    EXPECT_EQ(ProgramText(entry).name(DesktopProgramStarter()), u"App"_s);
    FakeProgramStarter nameless;
    nameless.application.clear();
    EXPECT_EQ(ProgramText(entry).name(nameless), u"app.desktop"_s) << "an entry without a name";
    EXPECT_EQ(ProgramText(u" \"\" "_s).name(starter), u"\"\""_s) << "no program: the text";
}

// The desktop's own starter: a document opens in its application, given the document; a program
// that cannot be started is no success.
TEST_F(ProgramTextTest, TheDesktopOpensADocumentInItsApplicationAndSaysWhenNothingStarted) {
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    ASSERT_TRUE(QDir().mkpath(data + u"/applications"_s));
    QFile opener(data + u"/applications/gestrix-test-opener.desktop"_s);
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("[Desktop Entry]\nType=Application\nName=Opener\nMimeType=text/plain;\nExec=\"" +
                 editor.toUtf8() + "\" %f\n");
    opener.close();
    QFile choice(qEnvironmentVariable("XDG_CONFIG_HOME") + u"/mimeapps.list"_s);
    ASSERT_TRUE(choice.open(QIODevice::WriteOnly));
    choice.write("[Default Applications]\ntext/plain=gestrix-test-opener.desktop\n");
    choice.close();
    DesktopProgramStarter desktop;
    // The desktop's list of applications follows its folders as the event loop turns.
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.hasApplicationFor(notes); }, 10000));
    ASSERT_FALSE(ProgramText(notes).launch(desktop));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(notes + u".ran"_s); }, 5000))
        << "the application was not given the document";

    // Its program is there, but the folder it is to run in is not.
    folder.write(u"broken.desktop"_s, "[Desktop Entry]\nType=Application\nName=Broken\nExec=\"" +
                                          editor.toUtf8() + "\"\nPath=/no/such/folder\n");
    const Outcome<LaunchError> failure =
        ProgramText(folder.file(u"broken.desktop"_s)).launch(desktop);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->error, LaunchError::StartFailed);
}

TEST_F(ProgramTextTest, ADesktopEntryRunsItsExecLineWithFieldCodes) {
    DesktopProgramStarter desktop;
    ASSERT_FALSE(ProgramText(entry).launch(desktop));
    // %k is the entry's own path: the program marks it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(entry + u".ran"_s); }, 5000));
}

} // namespace
