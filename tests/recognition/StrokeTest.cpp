#include "recognition/Stroke.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Stroke, ATraceReadsBackAndAMalformedOneCountsForNothing) {
    const Stroke drawn{{10, 20}, {-3, 400}, {7, 7}};
    EXPECT_EQ(traceOf(drawn), u"10,20 -3,400 7,7"_s);
    EXPECT_EQ(strokeOfTrace(traceOf(drawn)), drawn);

    QString huge;
    for (int i = 0; i < 100000; ++i)
        huge += u"1,2 "_s;
    for (const QString& malformed :
         {u""_s, u"1,2"_s, u"1,2 3"_s, u"1,2 3,4,5"_s, u"a,b c,d"_s, u"1.5,2 3,4"_s, huge}) {
        EXPECT_FALSE(strokeOfTrace(malformed)) << malformed.left(20).toStdString();
    }
}

} // namespace
