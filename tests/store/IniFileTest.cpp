#include "store/IniFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

ino_t inodeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_ino;
}

std::optional<SaveError> errorOf(const Outcome<SaveError>& failure) {
    return failure ? std::optional(failure->error) : std::nullopt;
}

QString value(const QString& key, const QString& file) {
    return GetIniValues(u"Image"_s, {key}, file).front();
}

TEST(IniFile, MissingFileReadsEmpty) {
    TempFolder folder;
    EXPECT_EQ(GetIniValues(u"Image"_s, {u"Value"_s, u"Repertoire"_s}, folder.file(u"none.ini"_s)),
              (QStringList{u""_s, u""_s}));
    EXPECT_EQ(value(u"Value"_s, folder.path()), u""_s);
}

TEST(IniFile, WritesCreateTheFileInOrderAndReadBackWhole) {
    TempFolder folder;
    const QString file = folder.file(u"Door.ini"_s);
    const QString program = u"/opt/"_s + QString(300, u'p');
    ASSERT_FALSE(
        SetIniValues(u"Image"_s, {{u"Value"_s, u"10"_s}, {u"Repertoire"_s, program}}, file));
    EXPECT_EQ(folder.read(u"Door.ini"_s),
              "[Image]\nValue=10\nRepertoire=" + program.toUtf8() + "\n");
    EXPECT_EQ(GetIniValues(u"image"_s, {u"REPERTOIRE"_s, u"value"_s}, file),
              (QStringList{program, u"10"_s}));
}

TEST(IniFile, ReplacesTheFileAtomically) {
    TempFolder folder;
    folder.write(u"a.ini"_s, "[Image]\r\nValue=0\r\n; note\r\n");
    const QString file = folder.file(u"a.ini"_s);
    const ino_t before = inodeOf(file);
    ASSERT_FALSE(SetIniValues(u"Image"_s, {{u"Value"_s, u"1"_s}}, file));
    EXPECT_NE(inodeOf(file), before) << "written in place, not renamed over";
    EXPECT_EQ(folder.read(u"a.ini"_s), "[Image]\r\nValue=1\r\n; note\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"a.ini"_s})
        << "no temporary file left behind";
}

TEST(IniFile, FailedWritesSayWhatFailedAndChangeNothing) {
    TempFolder folder;
    folder.write(u"a.ini"_s, "[Image]\nValue=0\nRepertoire=x\n");
    const QString file = folder.file(u"a.ini"_s);

    // A line break would inject lines into the file; the first value must not be written alone.
    EXPECT_EQ(errorOf(SetIniValues(u"Image"_s,
                                   {{u"Value"_s, u"1"_s}, {u"Repertoire"_s, u"1\n[X]"_s}}, file)),
              SaveError::NotStorable);
    EXPECT_EQ(folder.read(u"a.ini"_s), "[Image]\nValue=0\nRepertoire=x\n");

    // The folder does not exist (its parent is a file).
    EXPECT_EQ(
        errorOf(SetIniValues(u"Image"_s, {{u"Value"_s, u"1"_s}}, folder.file(u"a.ini/b.ini"_s))),
        SaveError::Io);

    // The name is a folder: nothing can be read, so nothing is replaced.
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"d.ini"_s));
    EXPECT_EQ(errorOf(SetIniValues(u"Image"_s, {{u"Value"_s, u"1"_s}}, folder.file(u"d.ini"_s))),
              SaveError::Unreadable);
    EXPECT_TRUE(QFileInfo(folder.file(u"d.ini"_s)).isDir());
}

// Writes past a size fail with EFBIG, as on a full disk, while this lives (the signal such a write
// raises is ignored, as the program ignores it).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_signal(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_saved{};
    void (*m_signal)(int);
};

TEST(IniFile, AFullDiskLeavesTheOldFileWhole) {
    TempFolder folder;
    const QByteArray old = "[Image]\nValue=0\nRepertoire=/bin/old\n";
    folder.write(u"S.ini"_s, old);
    Outcome<SaveError> failure;
    {
        const FileSizeLimit limit(old.size());
        failure =
            SetIniValues(u"Image"_s, {{u"Value"_s, QString(144, u'1')}}, folder.file(u"S.ini"_s));
    }
    EXPECT_EQ(errorOf(failure), SaveError::Io);
    EXPECT_EQ(folder.read(u"S.ini"_s), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"S.ini"_s});
}

// Permission bits hold only for other users than root; make test runs these once unprivileged.
class IniFileWithoutRoot : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() == 0)
            GTEST_SKIP() << "root ignores permission bits";
    }
};

TEST_F(IniFileWithoutRoot, AFileThatCannotBeReadIsNeverReplaced) {
    TempFolder folder;
    folder.write(u"a.ini"_s, "[Image]\nValue=0\nmine=keep\n");
    const QString file = folder.file(u"a.ini"_s);
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::WriteOwner));
    EXPECT_EQ(errorOf(SetIniValues(u"Image"_s, {{u"Value"_s, u"1"_s}}, file)),
              SaveError::Unreadable);
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(folder.read(u"a.ini"_s), "[Image]\nValue=0\nmine=keep\n");
}

TEST_F(IniFileWithoutRoot, AFolderThatRefusesNewFilesIsNotWrittenInPlace) {
    TempFolder folder;
    folder.write(u"a.ini"_s, "[Image]\nValue=0\n");
    const QString file = folder.file(u"a.ini"_s);
    // The file itself stays writable: only an in-place write could change it.
    ASSERT_TRUE(
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(errorOf(SetIniValues(u"Image"_s, {{u"Value"_s, u"1"_s}}, file)), SaveError::Io);
    ASSERT_TRUE(QFile::setPermissions(
        folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(folder.read(u"a.ini"_s), "[Image]\nValue=0\n");
}

} // namespace
