#include "widgets/LinkLabel.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(LinkLabel, TakesTheFocusAndActsOnEnterOrSpaceLikeAButton) {
    LinkLabel link(QStringLiteral("Ajouter"));
    int clicks = 0;
    QObject::connect(&link, &LinkLabel::clicked, [&clicks] { ++clicks; });
    EXPECT_EQ(link.focusPolicy(), Qt::StrongFocus);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_A})
        QTest::keyClick(&link, key);
    EXPECT_EQ(clicks, 3) << "Enter, the keypad's Enter and Space; not a letter";
}

} // namespace
