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

TEST(SymbolFile, TracesStayWithTheirDrawingsAndGoWithThem) {
    TempFolder folder;
    const QByteArray text = "[Image]\nValue=1\nTrace=1,2 3,4\nValue3=01\nTrace3=5,6 7,8\n"
                            "Trace4=9,9 9,9\nRepertoire=/bin/a\n";
    folder.write(u"S.ini"_s, text);
    const QString file = folder.file(u"S.ini"_s);
    const symbolfile::Content stored = symbolfile::read(file);
    EXPECT_EQ(stored.traces, (QStringList{u"1,2 3,4"_s, u"5,6 7,8"_s}))
        << "the third drawing, second now, keeps its trace; one without a drawing is none";
    ASSERT_FALSE(symbolfile::write(file, {u"1"_s, u"/bin/a"_s, {u"01"_s}, {u"1,2 3,4"_s}}));
    EXPECT_EQ(folder.read(u"S.ini"_s),
              "[Image]\nValue=1\nTrace=1,2 3,4\nRepertoire=/bin/a\nValue2=01\n")
        << "the second drawing has no trace; the others are removed";

    folder.write(u"Plain.ini"_s, "[Image]\nValue=1\nRepertoire=/bin/a\n");
    const QString plain = folder.file(u"Plain.ini"_s);
    EXPECT_TRUE(symbolfile::read(plain).traces.isEmpty());
    ASSERT_FALSE(symbolfile::write(plain, symbolfile::read(plain)));
    EXPECT_EQ(folder.read(u"Plain.ini"_s), "[Image]\nValue=1\nRepertoire=/bin/a\n");
}

} // namespace
