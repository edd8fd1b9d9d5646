#include "store/ShortcutList.h"
#include "store/FileList.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using ::testing::ElementsAre;

namespace {

class ShortcutListTest : public ::testing::Test {
protected:
    // The texts of the list brought up to date a while after the files were written, in item
    // order.
    QStringList rebuild() {
        files.setPath(folder.path());
        list.refresh(files, {}, QDateTime::currentDateTime().addSecs(60));
        return texts();
    }
    QStringList texts() const {
        QStringList texts;
        for (int i = 1; i <= list.count(); ++i)
            texts.append(list.item(i)->text);
        return texts;
    }

    TempFolder folder;
    FileList files;
    ShortcutList list;
};

TEST_F(ShortcutListTest, EmptyOrMissingFolderGivesAnEmptyList) {
    EXPECT_TRUE(rebuild().isEmpty());
    files.setPath(folder.file(u"missing"_s));
    list.refresh(files);
    EXPECT_EQ(list.count(), 0);
}

TEST_F(ShortcutListTest, ItemsFollowNameOrderWithoutRegardToCase) {
    folder.writeSymbol(u"b.ini"_s, u"0"_s);
    folder.writeSymbol(u"a.ini"_s, u"1"_s);
    folder.writeSymbol(u"C.ini"_s, u"11"_s);
    folder.writeSymbol(u"B.ini"_s, u"0"_s);
    ASSERT_THAT(rebuild(), ElementsAre(u"a"_s, u"B"_s, u"b"_s, u"C"_s));
    EXPECT_EQ(list.item(1)->tag, u"1"_s);
    EXPECT_EQ(list.item(4)->tag, u"11"_s);
    EXPECT_EQ(list.item(0), nullptr);
    EXPECT_EQ(list.item(5), nullptr);
}

// Backups, sync tools' temporaries and hidden files are not shortcuts: listed, they would stand
// for a file that does not exist, or for a second copy of one.
TEST_F(ShortcutListTest, OnlyFilesEndingInDotIniAreShortcuts) {
    folder.writeSymbol(u"Bloc notes é.ini"_s, u"1"_s);
    for (const QString& other : {u"x.ini.bak"_s, u"x.ini~"_s, u".syncthing.x.ini.tmp"_s, u"X.INI"_s,
                                 u"readme.txt"_s, u"._x.ini"_s, u".ini"_s})
        folder.writeSymbol(other, u"0101"_s);
    EXPECT_THAT(rebuild(), ElementsAre(u"Bloc notes é"_s));
}

TEST_F(ShortcutListTest, OnlyRegularFilesAreListed) {
    folder.writeSymbol(u"good.ini"_s, u"1"_s);
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"folder.ini"_s));
    ASSERT_TRUE(QFile::link(folder.file(u"gone.ini"_s), folder.file(u"dangling.ini"_s)));
    ASSERT_TRUE(QFile::link(folder.file(u"good.ini"_s), folder.file(u"linked.ini"_s)));
    ASSERT_THAT(rebuild(), ElementsAre(u"good"_s, u"linked"_s));
    EXPECT_EQ(list.item(2)->tag, u"1"_s);
}

TEST_F(ShortcutListTest, FileWithoutValueIsListedWithAnEmptyGridString) {
    folder.write(u"empty.ini"_s, "");
    folder.write(u"other.ini"_s, "[Image]\nRepertoire=/bin/true\n");
    ASSERT_THAT(rebuild(), ElementsAre(u"empty"_s, u"other"_s));
    EXPECT_EQ(list.item(1)->tag, u""_s);
    EXPECT_EQ(list.item(2)->tag, u""_s);
}

TEST_F(ShortcutListTest, EveryFileIsListedAndRebuildReplacesTheItems) {
    for (int i = 0; i < 300; ++i)
        folder.writeSymbol(u"s%1.ini"_s.arg(i, 3, 10, QChar(u'0')), QString::number(i % 2));
    const QStringList texts = rebuild();
    ASSERT_EQ(texts.size(), 300);
    EXPECT_EQ(texts.front(), u"s000"_s);
    EXPECT_EQ(texts.back(), u"s299"_s);

    ASSERT_TRUE(QFile::remove(folder.file(u"s000.ini"_s)));
    EXPECT_EQ(rebuild().size(), 299);
}

// A file is read again only when it changed (written in place, as the watch tells, or another
// file renamed over it); one still being written (its last line cut) keeps its previous version
// meanwhile, or, new, waits, until it is whole or left that way a while.
TEST_F(ShortcutListTest, OnlyChangedFilesAreReadAndHalfWrittenOnesWait) {
    folder.writeSymbol(u"a.ini"_s, u"1"_s, u"/bin/true"_s);
    folder.writeSymbol(u"b.ini"_s, u"0"_s);
    // Rewritten in place with its size and time kept: to the list, the same file.
    const QDateTime written = QDateTime::currentDateTime().addSecs(-60);
    const auto rewrite = [this, written](const QByteArray& bytes) {
        folder.write(u"b.ini"_s, bytes);
        QFile b(folder.file(u"b.ini"_s));
        ASSERT_TRUE(b.open(QIODevice::ReadWrite));
        ASSERT_TRUE(b.setFileTime(written, QFileDevice::FileModificationTime));
    };
    QByteArray bytes = folder.read(u"b.ini"_s);
    rewrite(bytes);
    files.setPath(folder.path());
    ASSERT_TRUE(list.refresh(files).changed);
    rewrite(bytes.replace("Value=0", "Value=1"));
    const QDateTime now = QDateTime::currentDateTime();
    EXPECT_FALSE(list.refreshAll(files, now).changed);
    EXPECT_EQ(list.item(2)->tag, u"0"_s);

    folder.write(u"a.ini"_s, "[Image]\nValue=11\nRepertoire=/usr/bin/fire");
    folder.write(u"c.ini"_s, "[Image]\nValue=1");
    const ShortcutList::Refresh cut = list.refresh(files, {u"a.ini"_s}, now);
    EXPECT_TRUE(cut.waiting);
    ASSERT_THAT(texts(), ElementsAre(u"a"_s, u"b"_s));
    EXPECT_EQ(list.item(1)->program, u"/bin/true"_s) << "the previous version meanwhile";

    EXPECT_FALSE(list.refreshAll(files, now.addSecs(10)).waiting);
    EXPECT_EQ(list.item(1)->program, u"/usr/bin/fire"_s) << "left unfinished, taken as it is";
    EXPECT_EQ(list.count(), 3);

    folder.writeSymbol(u"b.ini"_s, u"11"_s); // saved beside it and renamed over it
    EXPECT_TRUE(list.refresh(files).changed);
    EXPECT_EQ(list.item(2)->tag, u"11"_s);
}

} // namespace
