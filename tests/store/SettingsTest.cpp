#include "store/Settings.h"
#include "support/QtPrinters.h"

#include <QSettings>

#include <gtest/gtest.h>

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
