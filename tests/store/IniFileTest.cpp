#include "store/IniFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

ino_t inodeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_ino;
}

TEST(IniFile, MissingFileReadsEmpty) {
    TempFolder folder;
    EXPECT_EQ(GetIniValue(u"Image"_s, u"Value"_s, folder.file(u"none.ini"_s)), u""_s);
    EXPECT_EQ(GetIniValue(u"Image"_s, u"Value"_s, folder.path()), u""_s);
}

TEST(IniFile, EditorWritesCreateTheFileInOrder) {
    TempFolder folder;
    const QString file = folder.file(u"Door.ini"_s);
    QString error;
    ASSERT_TRUE(SetIniValue(u"Image"_s, u"Value"_s, u"10"_s, file, &error)) << error.toStdString();
    ASSERT_TRUE(SetIniValue(u"Image"_s, u"Repertoire"_s, u"/usr/bin/xterm -e top"_s, file));
    EXPECT_EQ(folder.read(u"Door.ini"_s), "[Image]\nValue=10\nRepertoire=/usr/bin/xterm -e top\n");
}

TEST(IniFile, LongValueReadsBackWhole) {
    TempFolder folder;
    const QString file = folder.file(u"a.ini"_s);
    const QString program = u"/opt/"_s + QString(300, u'p');
    ASSERT_TRUE(SetIniValue(u"Image"_s, u"Repertoire"_s, program, file));
    EXPECT_EQ(GetIniValue(u"image"_s, u"REPERTOIRE"_s, file), program);
}

TEST(IniFile, ReplacesTheFileAtomically) {
    TempFolder folder;
    folder.write(u"a.ini"_s, "[Image]\r\nValue=0\r\n; note\r\n");
    const QString file = folder.file(u"a.ini"_s);
    const ino_t before = inodeOf(file);
    ASSERT_TRUE(SetIniValue(u"Image"_s, u"Value"_s, u"1"_s, file));
    EXPECT_NE(inodeOf(file), before) << "written in place, not renamed over";
    EXPECT_EQ(folder.read(u"a.ini"_s), "[Image]\r\nValue=1\r\n; note\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"a.ini"_s})
        << "no temporary file left behind";
}

TEST(IniFile, FailedWritesSayWhyAndChangeNothing) {
    TempFolder folder;
    folder.write(u"a.ini"_s, "[Image]\nValue=0\n");
    QString error;

    // A line break would inject lines into the file.
    EXPECT_FALSE(SetIniValue(u"Image"_s, u"Value"_s, u"1\n[X]"_s, folder.file(u"a.ini"_s), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(folder.read(u"a.ini"_s), "[Image]\nValue=0\n");

    // The folder does not exist (its parent is a file).
    error.clear();
    EXPECT_FALSE(
        SetIniValue(u"Image"_s, u"Value"_s, u"1"_s, folder.file(u"a.ini/b.ini"_s), &error));
    EXPECT_FALSE(error.isEmpty());

    // The name is a folder: nothing can be read, so nothing is replaced.
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"d.ini"_s));
    EXPECT_FALSE(SetIniValue(u"Image"_s, u"Value"_s, u"1"_s, folder.file(u"d.ini"_s)));
    EXPECT_TRUE(QFileInfo(folder.file(u"d.ini"_s)).isDir());
}

} // namespace
