#include "store/ProfileText.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ReadRow {
    const char* name;
    QByteArray text;
    QString section;
    QString key;
    std::optional<QString> expected;
};

class ProfileRead : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ProfileRead, FindsTheValue) {
    const ReadRow& row = GetParam();
    EXPECT_EQ(profile::readValue(row.text, row.section, row.key), row.expected);
}

const QString image = u"Image"_s;
const QString value = u"Value"_s;

INSTANTIATE_TEST_SUITE_P(
    Rows, ProfileRead,
    ::testing::Values(
        ReadRow{"plain", "[Image]\nValue=101\n", image, value, u"101"_s},
        ReadRow{"names ignore case", "[IMAGE]\nvalue=1\n", image, value, u"1"_s},
        ReadRow{"non-ASCII names ignore case", "[Éclair]\nClé=x\n", u"éclair"_s, u"CLÉ"_s, u"x"_s},
        ReadRow{"blanks around names and value", "  [ Image ]  \n  Value  =  1 0  \n", image, value,
                u"1 0"_s},
        ReadRow{"one pair of quotes stripped", "[Image]\nValue=\" a \"\n", image, value, u" a "_s},
        ReadRow{"only one pair stripped", "[Image]\nValue=\"\"x\"\"\n", image, value, u"\"x\""_s},
        ReadRow{"a lone quote kept", "[Image]\nValue=\"\n", image, value, u"\""_s},
        ReadRow{"empty value", "[Image]\nValue=\n", image, value, u""_s},
        ReadRow{"empty quoted value", "[Image]\nValue=\"\"\n", image, value, u""_s},
        ReadRow{"missing key", "[Image]\nRepertoire=x\n", image, value, std::nullopt},
        ReadRow{"missing section", "[Other]\nValue=x\n", image, value, std::nullopt},
        ReadRow{"key of another section", "[Other]\nValue=x\n[Image]\n", image, value,
                std::nullopt},
        ReadRow{"key before any section", "Value=x\n[Image]\n", image, value, std::nullopt},
        ReadRow{"empty text", "", image, value, std::nullopt},
        ReadRow{"first of two keys", "[Image]\nValue=1\nValue=2\n", image, value, u"1"_s},
        ReadRow{"section repeated", "[Image]\nA=1\n[Other]\n[image]\nValue=2\n", image, value,
                u"2"_s},
        ReadRow{"CRLF line ends", "[Image]\r\nValue=11\r\nRepertoire=x\r\n", image, value, u"11"_s},
        ReadRow{"no trailing line break", "[Image]\nValue=11", image, value, u"11"_s},
        ReadRow{"UTF-8 byte order mark", "\xEF\xBB\xBF[Image]\nValue=1\n", image, value, u"1"_s},
        ReadRow{"comments ignored", "[Image]\n;Value=0\n#Value=0\nValue=1\n", image, value, u"1"_s},
        ReadRow{"value holds '=' and ';'", "[Image]\nValue=a=b;c\n", image, value, u"a=b;c"_s},
        ReadRow{"invalid UTF-8 read as replacement",
                "[Image]\nValue=a\xFF"
                "b\n",
                image, value, u"a\uFFFDb"_s},
        ReadRow{"long value whole", "[Image]\nValue=" + QByteArray(300, 'x') + "\n", image, value,
                QString(300, u'x')}),
    [](const auto& info) { return rowName(info.param.name); });

struct WriteRow {
    const char* name;
    QByteArray before;
    QString key;
    QString value;
    QByteArray after;
};

class ProfileWrite : public ::testing::TestWithParam<WriteRow> {};

TEST_P(ProfileWrite, KeepsEveryOtherByte) {
    const WriteRow& row = GetParam();
    const std::optional<QByteArray> written =
        profile::writeValue(row.before, image, row.key, row.value);
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, row.after);
    EXPECT_EQ(profile::readValue(*written, image, row.key), row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProfileWrite,
    ::testing::Values(
        WriteRow{"new file", "", u"Value"_s, u"01"_s, "[Image]\nValue=01\n"},
        WriteRow{"second key after the first", "[Image]\nValue=01\n", u"Repertoire"_s, u"/bin/x"_s,
                 "[Image]\nValue=01\nRepertoire=/bin/x\n"},
        WriteRow{"replaced in place, other content kept",
                 "; mine\n[Image]\nValue=0\nExtra=keep\n\n[Other]\nValue=9\n", u"VALUE"_s, u"1"_s,
                 "; mine\n[Image]\nValue=1\nExtra=keep\n\n[Other]\nValue=9\n"},
        WriteRow{"blanks before the value kept", "[Image]\nValue =  0  \n", u"Value"_s, u"1"_s,
                 "[Image]\nValue =  1\n"},
        WriteRow{"added at the end of its section, before blank lines",
                 "[Image]\nValue=1\n\n[Other]\nA=b\n", u"Repertoire"_s, u"x"_s,
                 "[Image]\nValue=1\nRepertoire=x\n\n[Other]\nA=b\n"},
        WriteRow{"new section appended", "[Other]\nA=b\n", u"Value"_s, u"1"_s,
                 "[Other]\nA=b\n\n[Image]\nValue=1\n"},
        WriteRow{"CRLF kept and used", "[Image]\r\nValue=0\r\n", u"Repertoire"_s, u"x"_s,
                 "[Image]\r\nValue=0\r\nRepertoire=x\r\n"},
        WriteRow{"no trailing line break", "[Image]\nValue=0", u"Repertoire"_s, u"x"_s,
                 "[Image]\nValue=0\nRepertoire=x\n"},
        WriteRow{"replace on a last line without break", "[Image]\nValue=0", u"Value"_s, u"1"_s,
                 "[Image]\nValue=1"},
        WriteRow{"invalid bytes elsewhere kept", "[Image]\nA=\xFF\nValue=0\n", u"Value"_s, u"1"_s,
                 "[Image]\nA=\xFF\nValue=1\n"},
        WriteRow{"leading space quoted", "", u"Value"_s, u" a"_s, "[Image]\nValue=\" a\"\n"},
        WriteRow{"trailing tab quoted", "", u"Value"_s, u"a\t"_s, "[Image]\nValue=\"a\t\"\n"},
        WriteRow{"surrounding quotes quoted", "", u"Value"_s, u"\"a\""_s,
                 "[Image]\nValue=\"\"a\"\"\n"},
        WriteRow{"inner quote and space plain", "", u"Value"_s, u"C:\\My Apps\\a \"b\" c"_s,
                 "[Image]\nValue=C:\\My Apps\\a \"b\" c\n"},
        WriteRow{"non-ASCII as UTF-8", "", u"Value"_s, u"/opt/Éditeur/été"_s,
                 "[Image]\nValue=/opt/Éditeur/été\n"},
        WriteRow{"empty value", "[Image]\nValue=1\n", u"Value"_s, u""_s, "[Image]\nValue=\n"},
        WriteRow{"value starting with U+FEFF", "", u"Value"_s, u"\uFEFFx"_s,
                 "[Image]\nValue=\xEF\xBB\xBFx\n"}),
    [](const auto& info) { return rowName(info.param.name); });

TEST(ProfileWriteRefuses, ValuesAndNamesThatWouldInjectLines) {
    const QByteArray text = "[Image]\nValue=1\n";
    EXPECT_FALSE(profile::writeValue(text, image, value, u"1\n[Evil]"_s));
    EXPECT_FALSE(profile::writeValue(text, image, value, u"1\rx"_s));
    EXPECT_FALSE(profile::writeValue(text, image, value, u"a"_s + QChar(0)));
    EXPECT_FALSE(profile::writeValue(text, u"Im]age"_s, value, u"1"_s));
    EXPECT_FALSE(profile::writeValue(text, image, u"Va=lue"_s, u"1"_s));
    EXPECT_FALSE(profile::writeValue(text, image, u" Value"_s, u"1"_s));
    EXPECT_FALSE(profile::writeValue(text, image, u""_s, u"1"_s));
    EXPECT_FALSE(profile::writeValue(text, image, u";Value"_s, u"1"_s));
}

} // namespace
