#include "main/MainWindowFixture.h"
#include "store/Settings.h"
#include "support/UnwritableSettings.h"

#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

class SensitivityTest : public MainWindowFixture {
protected:
    static QString stored(const QString& key) {
        return settings::GetSetting(u"Configuration"_s, key, u"absent"_s);
    }
    static void store(const QString& key, const QString& text) {
        settings::SaveSetting(u"Configuration"_s, key, text);
    }
    int position(const char* slider) { return child<QScrollBar>(slider)->value(); }
    QString caption(const char* label) { return child<QLabel>(label)->text(); }
};

TEST_F(SensitivityTest, FirstRunMovesOnlyTheContourSlider) {
    window();
    EXPECT_EQ(position("sensible2"), 60);
    EXPECT_EQ(stored(u"Sensibility2"_s), u"60"_s);
    EXPECT_EQ(caption("Label11"), u"Sensibilité Contour (60%)"_s);
    EXPECT_EQ(position("sensible"), 50);
    EXPECT_EQ(stored(u"Sensibility"_s), u"absent"_s);
    EXPECT_EQ(caption("Label5"), u"Sensibilité :"_s);
}

TEST_F(SensitivityTest, ASettingsFileThatRefusesTheirPositionsIsToldOnce) {
    window();
    const UnwritableSettings refusing;
    child<QScrollBar>("sensible")->setValue(30);
    child<QScrollBar>("sensible")->setValue(31);
    const QList<QMessageBox*> told = window().findChildren<QMessageBox*>();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0]->text().startsWith(u"La sensibilité n'a pas pu être enregistrée"_s));
    EXPECT_EQ(position("sensible"), 31) << "the slider still moves";
}

TEST_F(SensitivityTest, StoredPositionsEqualToTheSlidersChangeNothing) {
    store(u"Sensibility"_s, u"50"_s);
    store(u"Sensibility2"_s, u"70"_s);
    window();
    EXPECT_EQ(position("sensible"), 50);
    EXPECT_EQ(position("sensible2"), 70);
    EXPECT_EQ(caption("Label5"), u"Sensibilité :"_s);
    EXPECT_EQ(caption("Label11"), u"Sensibilité :"_s);
}

TEST_F(SensitivityTest, StoredPositionsAreRestored) {
    store(u"Sensibility"_s, u"65"_s);
    store(u"Sensibility2"_s, u"0"_s);
    window();
    EXPECT_EQ(position("sensible"), 65);
    EXPECT_EQ(caption("Label5"), u"Sensibilité Noir (65%)"_s);
    EXPECT_EQ(position("sensible2"), 0);
    EXPECT_EQ(caption("Label11"), u"Sensibilité Contour (0%)"_s);
}

TEST_F(SensitivityTest, UnusableStoredValuesLeaveTheSliderWhereItIs) {
    for (const QString& bad : {u"abc"_s, u"150"_s, u"-1"_s, u"70000"_s}) {
        m_window.reset();
        store(u"Sensibility"_s, bad);
        store(u"Sensibility2"_s, bad);
        writeSymbol(u"a"_s, u"1"_s);
        window();
        EXPECT_EQ(position("sensible"), 50) << bad.toStdString();
        EXPECT_EQ(position("sensible2"), 70) << bad.toStdString();
        EXPECT_EQ(stored(u"Sensibility"_s), bad) << "nothing is written back";
        EXPECT_EQ(window().shortcuts().count(), 1) << "start-up goes on";
    }
}

TEST_F(SensitivityTest, EveryStepOfADragIsSaved) {
    auto* slider = child<QScrollBar>("sensible");
    slider->setValue(10);
    slider->setSliderDown(true);
    for (int step = 11; step <= 20; ++step) {
        slider->setSliderPosition(step);
        EXPECT_EQ(stored(u"Sensibility"_s), QString::number(step));
    }
    slider->setSliderDown(false);
    EXPECT_EQ(caption("Label5"), u"Sensibilité Noir (20%)"_s);
}

TEST_F(SensitivityTest, ArrowsAndTroughMoveByOne) {
    auto* slider = child<QScrollBar>("sensible2");
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(slider->value(), 61);
    slider->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(slider->value(), 60);
    EXPECT_EQ(stored(u"Sensibility2"_s), u"60"_s);
}

} // namespace
