#include "store/Settings.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QSettings>

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Settings, StoredTextReadsBackAndAbsentKeysGiveTheDefault) {
    QSettings(u"Gestrix"_s, u"Gestrix"_s).clear();
    EXPECT_EQ(settings::GetSetting(u"Option"_s, u"Grid"_s, u"1"_s), u"1"_s);
    settings::SaveSetting(u"Option"_s, u"Grid"_s, u"0"_s);
    EXPECT_EQ(settings::GetSetting(u"Option"_s, u"Grid"_s, u"1"_s), u"0"_s);
    EXPECT_EQ(settings::GetSetting(u"Configuration"_s, u"Grid"_s, u"7"_s), u"7"_s);
    EXPECT_TRUE(
        QSettings(u"Gestrix"_s, u"Gestrix"_s).fileName().endsWith(u"/Gestrix/Gestrix.conf"_s));
}

// A settings file that cannot serve is said, neither read nor replaced; what is saved meanwhile
// reads back for the rest of the run.
TEST(SettingsWithoutRoot, AFileThatCannotServeKeepsTheDefaultsAndStaysAsItWas) {
    TempFolder folder;
    QDir(folder.path()).mkdir(u"folder.conf"_s);
    folder.write(u"huge.conf"_s, "[Option]\nGrid=0\n" + QByteArray(2 << 20, '#'));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file(u"pipe.conf"_s)).constData(), 0600), 0);
    folder.write(u"locked.conf"_s, "[Option]\nGrid=0\n");
    QFile::setPermissions(folder.file(u"locked.conf"_s), QFile::ReadOwner);
    const struct {
        const char16_t* name;
        settings::FileProblem problem;
        const char16_t* grid; // as read before anything is saved
        bool regular;         // a file whose bytes must stay as they are
    } rows[] = {
        {u"folder.conf", settings::FileProblem::NotAFile, u"1", false},
        {u"huge.conf", settings::FileProblem::TooLarge, u"1", true},
        {u"pipe.conf", settings::FileProblem::NotAFile, u"1", false},
        {u"locked.conf", settings::FileProblem::ReadOnly, u"0", true},
    };
    for (const auto& row : rows) {
        const QString name = QString::fromUtf16(row.name);
        SCOPED_TRACE(name.toStdString());
        // Root writes where the permissions say no: this row is run again unprivileged.
        if (row.problem == settings::FileProblem::ReadOnly && ::geteuid() == 0)
            continue;
        const QByteArray before = row.regular ? folder.read(name) : QByteArray();
        settings::SettingsFile file(folder.file(name));
        ASSERT_TRUE(file.problem());
        EXPECT_EQ(file.problem()->error, row.problem);
        EXPECT_EQ(file.value(u"Option"_s, u"Grid"_s, u"1"_s), QString::fromUtf16(row.grid));
        EXPECT_TRUE(file.save(u"Option"_s, u"Grid"_s, u"2"_s));
        EXPECT_EQ(file.value(u"Option"_s, u"Grid"_s, u"1"_s), u"2"_s);
        EXPECT_EQ(row.regular ? folder.read(name) : QByteArray(), before);
    }
}

TEST(Settings, TextToInteger16) {
    const struct {
        const char16_t* text;
        std::optional<qint16> expected;
    } rows[] = {
        {u"50", 50},
        {u" 70 ", 70},
        {u"-3", -3},
        {u"12.5", 12},
        {u"13.5", 14},
        {u"1e2", 100},
        {u"32767", 32767},
        {u"32768", std::nullopt},
        {u"-32769", std::nullopt},
        {u"abc", std::nullopt},
        {u"", std::nullopt},
        {u"5x", std::nullopt},
        {u"nan", std::nullopt},
        {u"inf", std::nullopt},
    };
    for (const auto& row : rows) {
        const QString text = QString::fromUtf16(row.text);
        EXPECT_EQ(settings::toInteger16(text), row.expected) << text.toStdString();
    }
}

} // namespace
