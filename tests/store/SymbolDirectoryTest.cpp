#include "store/SymbolDirectory.h"
#include "support/TestFiles.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SymbolDirectory, OverrideWinsThenPortableFolderThenUserData) {
    TempFolder app;
    const QString data = u"/home/u/.local/share"_s;
    EXPECT_EQ(symbols::chooseDirectory(u"/tmp/x/"_s, app.path(), data), u"/tmp/x"_s);
    EXPECT_EQ(symbols::chooseDirectory({}, app.path(), data), data + u"/Gestrix/symbol"_s)
        << "no portable folder is created beside the executable";
    ASSERT_TRUE(QDir(app.path()).mkdir(u"symbol"_s));
    EXPECT_EQ(symbols::chooseDirectory({}, app.path(), data), app.path() + u"/symbol"_s);
}

TEST(SymbolDirectory, FileNameIsTheNameAsTyped) {
    EXPECT_EQ(symbols::filePath(u"/s"_s, u" Door "_s), u"/s/ Door .ini"_s);
    EXPECT_EQ(symbols::filePath(u"/s"_s, u""_s), u"/s/.ini"_s);
}

} // namespace
