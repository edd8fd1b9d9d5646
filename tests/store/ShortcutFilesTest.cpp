#include "store/ShortcutFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ShortcutFiles, NamesThatAreBlankLeaveTheFolderOrBreakTheFileAreRefused) {
    const struct {
        QString name;
        bool valid;
    } rows[] = {
        {u"Door"_s, true}, {u" Door "_s, true}, {u".ini"_s, false},          {u""_s, false},
        {u"   "_s, false}, {u"a/b"_s, false},   {u"a\\b"_s, false},         {u"."_s, false},
        {u".."_s, false},  {u"a\nb"_s, false},  {u"a"_s + QChar(0), false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(shortcuts::isValidName(row.name), row.valid) << row.name.toStdString();
}

TEST(ShortcutFiles, ASaveNeverFollowsALinkOutOfTheFolder) {
    TempFolder home;
    ASSERT_TRUE(QDir(home.path()).mkdir(u"symbol"_s));
    const QString symbols = home.file(u"symbol"_s);
    home.write(u".bashrc"_s, "export A=1\n");
    ASSERT_TRUE(QFile::link(home.file(u".bashrc"_s), home.file(u"symbol/A.ini"_s)));
    ASSERT_TRUE(QFile::link(home.file(u"made-outside"_s), home.file(u"symbol/Gone.ini"_s)));
    // A link inside that leads to one leading out.
    ASSERT_TRUE(QFile::link(home.file(u"symbol/A.ini"_s), home.file(u"symbol/Chain.ini"_s)));
    home.writeSymbol(u"symbol/real.ini"_s, u"0"_s);
    ASSERT_TRUE(QFile::link(home.file(u"symbol/real.ini"_s), home.file(u"symbol/Inside.ini"_s)));
    ASSERT_TRUE(QFile::link(home.file(u"symbol/Inside.ini"_s), home.file(u"symbol/Hop.ini"_s)));

    const symbolfile::Content content{u"1"_s, u"/bin/true"_s};
    for (const QString& name : {u"A"_s, u"Gone"_s, u"Chain"_s}) {
        const auto failure = shortcuts::save(symbols, name, content);
        ASSERT_TRUE(failure) << name.toStdString();
        EXPECT_EQ(failure->error, SaveError::LinkOutside);
    }
    EXPECT_EQ(home.read(u".bashrc"_s), "export A=1\n");
    EXPECT_FALSE(QFile::exists(home.file(u"made-outside"_s))) << "nor through a dangling link";

    EXPECT_FALSE(shortcuts::save(symbols, u"Inside"_s, content)) << "a link inside is written";
    EXPECT_EQ(symbolfile::read(home.file(u"symbol/real.ini"_s)).gridString, u"1"_s);
    EXPECT_FALSE(shortcuts::save(symbols, u"Hop"_s, {u"01"_s, {}})) << "so is a chain inside";
    EXPECT_EQ(symbolfile::read(home.file(u"symbol/real.ini"_s)).gridString, u"01"_s);
}

TEST(ShortcutFiles, ANameTooLongForAFileIsRefusedAsSuch) {
    TempFolder symbols;
    const auto failure = shortcuts::save(symbols.path(), u"a"_s.repeated(300), {u"1"_s, {}});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->error, SaveError::NameTooLong);
    EXPECT_FALSE(shortcuts::save(symbols.path(), u"é"_s.repeated(125), {u"1"_s, {}}))
        << "250 bytes and \".ini\" fit";
}

// A trash that refuses files (here its notes' folder is somewhere nothing can be written, even by
// root) is a failure at once, and the file stays; a trash that takes it keeps a second file of
// the same name apart, each with a note of where it came from.
TEST(ShortcutFiles, TheTrashRefusesAtOnceOrKeepsEveryFileApart) {
    TempFolder home;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    ASSERT_TRUE(QDir(home.path()).mkdir(u"my symbols"_s));
    home.writeSymbol(u"my symbols/a.ini"_s, u"1"_s);
    const QString symbols = home.file(u"my symbols"_s);
    QString trashed;

    ASSERT_TRUE(QDir(home.path()).mkpath(u"Trash/files"_s));
    ASSERT_TRUE(QFile::link(u"/proc"_s, home.file(u"Trash/info"_s)));
    const auto refused = shortcuts::moveToTrash(symbols, u"a"_s, trashed);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->error, RemoveError::Trash);
    EXPECT_TRUE(QFile::exists(home.file(u"my symbols/a.ini"_s)));

    ASSERT_TRUE(QFile::remove(home.file(u"Trash/info"_s)));
    EXPECT_FALSE(shortcuts::moveToTrash(symbols, u"a"_s, trashed));
    home.writeSymbol(u"my symbols/a.ini"_s, u"01"_s);
    QString second;
    EXPECT_FALSE(shortcuts::moveToTrash(symbols, u"a"_s, second));
    EXPECT_NE(second, trashed);
    EXPECT_EQ(symbolfile::read(second).gridString, u"01"_s);
    const QByteArray note =
        home.read(u"Trash/info/"_s + QFileInfo(second).fileName() + u".trashinfo"_s);
    EXPECT_TRUE(
        note.contains("\nPath=" + QFile::encodeName(symbols).replace(" ", "%20") + "/a.ini\n"))
        << note.toStdString();
    qputenv("XDG_DATA_HOME", dataHome);
}

} // namespace
