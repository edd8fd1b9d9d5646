#include "recognition/OutcomeText.h"
#include "support/QtPrinters.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(GetLastPart, ReturnsWhatFollowsTheLastSeparator) {
    const QString backslash = u"\\"_s;
    EXPECT_EQ(GetLastPart(u"C:\\Outils\\bloc.exe"_s, backslash), u"bloc.exe"_s);
    EXPECT_EQ(GetLastPart(u"bloc.exe"_s, backslash), u"bloc.exe"_s);
    EXPECT_EQ(GetLastPart(u""_s, backslash), u""_s);
    EXPECT_EQ(GetLastPart(u"C:\\Outils\\"_s, backslash), u""_s);
    EXPECT_EQ(GetLastPart(u"a\\\\b"_s, u"\\\\"_s), u"a\\\\b"_s)
        << "a longer separator never matches";
}

class PercentageText : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(PercentageText, SevenSignificantDigitsWithoutTrailingZeros) {
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(percentageText(50.0f), u"50"_s);
    EXPECT_EQ(percentageText(static_cast<float>(37.0 / 40 * 100)), u"92.5"_s);
    EXPECT_EQ(percentageText(static_cast<float>(20.0 / 23 * 100)), u"86.95652"_s);
    EXPECT_EQ(percentageText(static_cast<float>(1.0 / 144 * 100)), u"0.6944444"_s);
    EXPECT_EQ(percentageText(100.0f), u"100"_s);
    EXPECT_EQ(percentageText(0.0f), u"0"_s);
}

TEST_F(PercentageText, UsesTheLocalesDecimalSeparator) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(percentageText(static_cast<float>(37.0 / 40 * 100)), u"92,5"_s);
    EXPECT_EQ(recognitionCaption(u"bloc"_s, 92.5f), u"bloc (92,5%)"_s);
}

TEST_F(PercentageText, CaptionNamesTheProgram) {
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(recognitionCaption(u"bloc"_s, 50.0f), u"bloc (50%)"_s);
}

} // namespace
