#include "platform/TriggerButton.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct PassRow {
    const char* name;
    Qt::KeyboardModifier passThrough;
    QStringList excluded;
    Qt::KeyboardModifiers held;
    QStringList windowClass;
    bool letThrough;
};

class LetsThrough : public ::testing::TestWithParam<PassRow> {};

TEST_P(LetsThrough, TheModifierOrAnExcludedApplication) {
    const PassRow& row = GetParam();
    TriggerSettings settings;
    settings.passThrough = row.passThrough;
    settings.excludedClasses = row.excluded;
    TriggerPress press;
    press.modifiers = row.held;
    press.windowClass = row.windowClass;
    EXPECT_EQ(letsThrough(settings, press), row.letThrough);
}

const QStringList xev{u"xev"_s, u"Xev"_s};

INSTANTIATE_TEST_SUITE_P(
    Rows, LetsThrough,
    ::testing::Values(
        PassRow{"plain press", Qt::ShiftModifier, {}, {}, xev, false},
        PassRow{"Maj held", Qt::ShiftModifier, {}, Qt::ShiftModifier, xev, true},
        PassRow{"another key held", Qt::ShiftModifier, {}, Qt::ControlModifier, xev, false},
        PassRow{"no key lets through", Qt::NoModifier, {}, Qt::ShiftModifier, xev, false},
        PassRow{"excluded class", Qt::NoModifier, {u"XEV"_s}, {}, xev, true},
        PassRow{"excluded instance",
                Qt::NoModifier,
                {u"navigator"_s},
                {},
                {u"Navigator"_s, u"firefox"_s},
                true},
        PassRow{"not excluded", Qt::NoModifier, {u"xterm"_s}, {}, xev, false},
        PassRow{"class unknown", Qt::NoModifier, {u"xev"_s}, {}, {}, false}),
    [](const auto& info) { return rowName(info.param.name); });

} // namespace
