#include "store/SymbolFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SymbolFile, FurtherDrawingsReadBackAndDrawingsRemovedLeaveTheFile) {
    TempFolder folder;
    folder.write(u"S.ini"_s,
                 "[Image]\nValue=1\nValue2=01\nValue4=001\nmine=keep\nRepertoire=/bin/a\n");
    const QString file = folder.file(u"S.ini"_s);
    const symbolfile::Content stored = symbolfile::read(file);
    EXPECT_EQ(stored.gridString, u"1"_s);
    EXPECT_EQ(stored.moreDrawings, (QStringList{u"01"_s, u"001"_s})) << "a gap is closed";
    EXPECT_EQ(stored.program, u"/bin/a"_s);

    ASSERT_FALSE(symbolfile::write(file, {u"1"_s, u"/bin/a"_s, {u"01"_s}}));
    EXPECT_EQ(folder.read(u"S.ini"_s),
              "[Image]\nValue=1\nValue2=01\nmine=keep\nRepertoire=/bin/a\n");
    ASSERT_FALSE(symbolfile::write(folder.file(u"New.ini"_s), {u"1"_s, u"/bin/b"_s, {u"01"_s}}));
    EXPECT_EQ(folder.read(u"New.ini"_s), "[Image]\nValue=1\nValue2=01\nRepertoire=/bin/b\n");
}

} // namespace
