#include "prefs/FrmOption.h"
#include "platform/WindowPicker.h"
#include "prefs/Language.h"
#include "prefs/Preferences.h"
#include "store/Settings.h"
#include "support/QtPrinters.h"
#include "support/UnwritableSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class FrmOptionTest : public ::testing::Test {
protected:
    FrmOptionTest() { QSettings(u"Gestrix"_s, u"Gestrix"_s).clear(); }
    static QString stored(const QString& key) {
        return settings::GetSetting(u"Option"_s, key, u"absent"_s);
    }
};

TEST_F(FrmOptionTest, FirstRunShowsBothBoxesCheckedAndOkStoresAllThree) {
    FrmOption dialog;
    EXPECT_EQ(dialog.windowTitle(), u"Préférence"_s);
    EXPECT_EQ(dialog.size(), QSize(325, 389));
    EXPECT_TRUE(dialog.chkGrid->isChecked());
    EXPECT_TRUE(dialog.chkName->isChecked());
    EXPECT_FALSE(dialog.chkEtire->isChecked());
    EXPECT_TRUE(dialog.chkEtire->isHidden());
    EXPECT_FALSE(dialog.Command1->isDefault() || dialog.Command1->autoDefault());
    EXPECT_FALSE(dialog.Command2->isDefault() || dialog.Command2->autoDefault());

    dialog.Command1->click();
    EXPECT_EQ(stored(u"Grid"_s), u"1"_s);
    EXPECT_EQ(stored(u"Nom"_s), u"1"_s);
    EXPECT_EQ(stored(u"Etire"_s), u"0"_s);
    EXPECT_EQ(stored(u"Precise"_s), u"0"_s) << "the default recognition";
    EXPECT_EQ(stored(u"ClicRestitue"_s), u"1"_s) << "a quick click is the application's";
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(FrmOptionTest, StoredValuesAreShownAndEtireIsWrittenBackUnchanged) {
    settings::SaveSetting(u"Option"_s, u"Etire"_s, u"1"_s);
    settings::SaveSetting(u"Option"_s, u"Grid"_s, u"0"_s);
    FrmOption dialog;
    EXPECT_FALSE(dialog.chkGrid->isChecked());
    EXPECT_TRUE(dialog.chkName->isChecked());
    dialog.chkName->click();
    dialog.Command1->click();
    EXPECT_EQ(stored(u"Etire"_s), u"1"_s);
    EXPECT_EQ(stored(u"Grid"_s), u"0"_s);
    EXPECT_EQ(stored(u"Nom"_s), u"0"_s);
}

TEST_F(FrmOptionTest, ASettingsFileThatCannotBeWrittenIsToldAndTheDialogStays) {
    FrmOption dialog;
    dialog.show();
    {
        const UnwritableSettings refusing;
        dialog.Command1->click();
    }
    EXPECT_TRUE(dialog.isVisible());
    const auto* told = dialog.findChild<QMessageBox*>();
    ASSERT_NE(told, nullptr);
    EXPECT_TRUE(told->text().startsWith(u"Les préférences n'ont pas été enregistrées"_s));
}

TEST_F(FrmOptionTest, AnnulerAndTheCloseBoxWriteNothing) {
    for (const bool closeBox : {false, true}) {
        FrmOption dialog;
        dialog.show();
        dialog.chkGrid->click();
        if (closeBox)
            dialog.close();
        else
            dialog.Command2->click();
        EXPECT_EQ(stored(u"Grid"_s), u"absent"_s);
        EXPECT_EQ(stored(u"Etire"_s), u"absent"_s);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(FrmOptionTest, TabOrderRunsFromTheBoxesToAnnulerThenOk) {
    FrmOption dialog;
    const QList<QWidget*> order{dialog.chkGrid,        dialog.chkName,     dialog.cboButton,
                                dialog.cboPassThrough, dialog.txtExcluded, dialog.cmdPickWindow,
                                dialog.chkClickBack,   dialog.chkPrecise,  dialog.chkAutostart,
                                dialog.chkCloseToTray, dialog.cboLanguage, dialog.Command2,
                                dialog.Command1};
    // The next widget Tab reaches: labels sit in the focus chain too.
    const auto nextTabStop = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        EXPECT_EQ(nextTabStop(order[i]), order[i + 1]) << i;
}

// A picked window's class joins the exclusions once, whichever of its names is already there;
// a line on the screen says a pick is awaited; a window without a class is told, a pick given
// up is not; where no window can be picked, the user is told; a pick not made ends with the
// dialog.
TEST_F(FrmOptionTest, APickedWindowsClassJoinsTheExclusionsOnce) {
    EXPECT_EQ(prefs::withWindowClass(u"gimp"_s, {u"xterm"_s, u"XTerm"_s}), u"gimp, XTerm"_s);
    EXPECT_EQ(prefs::withWindowClass(u"Gimp, xterm"_s, {u"xterm"_s, u"XTerm"_s}), u"Gimp, xterm"_s);
    EXPECT_EQ(prefs::withWindowClass(u"gimp"_s, {}), u"gimp"_s);
    {
        FrmOption dialog;
        dialog.cmdPickWindow->click();
        EXPECT_NE(dialog.findChild<QMessageBox*>(), nullptr) << "not told that none can be picked";
    }
    struct CountingPicker final : WindowPicker {
        bool start() override { return ++started; }
        void stop() override { ++stopped; }
        int started = 0;
        int stopped = 0;
    } picker;
    {
        FrmOption dialog(&picker);
        dialog.txtExcluded->setText(u"gimp"_s);
        dialog.cmdPickWindow->click();
        ASSERT_EQ(picker.started, 1);
        EXPECT_EQ(dialog.findChild<QMessageBox*>(), nullptr);
        ASSERT_NE(dialog.pickPrompt(), nullptr);
        EXPECT_TRUE(dialog.pickPrompt()->isVisible());
        EXPECT_EQ(dialog.pickPrompt()->text(),
                  u"Cliquez la fenêtre à exclure ; Échap pour annuler"_s);
        Q_EMIT picker.picked({u"xterm"_s, u"XTerm"_s});
        EXPECT_EQ(dialog.txtExcluded->text(), u"gimp, XTerm"_s);
        EXPECT_FALSE(dialog.pickPrompt()->isVisible());
        dialog.cmdPickWindow->click();
        Q_EMIT picker.cancelled();
        EXPECT_EQ(dialog.findChild<QMessageBox*>(), nullptr) << "a pick given up is told";
        dialog.cmdPickWindow->click();
        Q_EMIT picker.picked({});
        EXPECT_NE(dialog.findChild<QMessageBox*>(), nullptr)
            << "a window without a class is not told";
    }
    EXPECT_GE(picker.stopped, 1) << "the pointer stays taken after the dialog";
}

TEST_F(FrmOptionTest, TriggerSettingsReadBackAndBadValuesMeanTheDefaults) {
    {
        FrmOption dialog;
        EXPECT_EQ(dialog.cboButton->currentText(), u"Bouton du milieu"_s);
        EXPECT_EQ(dialog.cboPassThrough->currentText(), u"Maj"_s);
        dialog.cboButton->setCurrentIndex(2);
        dialog.cboPassThrough->setCurrentIndex(2);
        dialog.txtExcluded->setText(u" xev,, Firefox "_s);
        dialog.Command1->click();
    }
    const TriggerSettings saved = prefs::load().trigger;
    EXPECT_EQ(saved.button, 9);
    EXPECT_EQ(saved.passThrough, Qt::AltModifier);
    EXPECT_EQ(saved.excludedClasses, (QStringList{u"xev"_s, u"Firefox"_s}));

    settings::SaveSetting(u"Option"_s, u"Bouton"_s, u"7"_s);
    settings::SaveSetting(u"Option"_s, u"Modificateur"_s, u"Super"_s);
    const TriggerSettings bad = prefs::load().trigger;
    EXPECT_EQ(bad.button, TriggerSettings::middleButton);
    EXPECT_EQ(bad.passThrough, Qt::ShiftModifier);
}

TEST_F(FrmOptionTest, TheLanguageIsFrenchUnlessEnglishOrAnEnglishSpeakingSystemIsChosen) {
    const struct {
        const char16_t* stored;
        QLocale::Language system;
        bool english;
    } rows[] = {
        {u"", QLocale::English, false},     {u"fr", QLocale::English, false},
        {u"en", QLocale::French, true},     {u"system", QLocale::French, false},
        {u"system", QLocale::German, true}, {u"de", QLocale::English, false},
    };
    for (const auto& row : rows) {
        settings::SaveSetting(u"Option"_s, u"Langue"_s, QString::fromUtf16(row.stored));
        EXPECT_EQ(prefs::speaksEnglish(prefs::load().language, QLocale(row.system)), row.english)
            << QString::fromUtf16(row.stored).toStdString();
    }
}

TEST_F(FrmOptionTest, EscapeClosesNothingAndTheDialogOpensCentredOnTheScreen) {
    QWidget owner;
    owner.setGeometry(0, 0, 100, 100);
    FrmOption dialog(nullptr, &owner);
    dialog.show();
    EXPECT_EQ(dialog.frameGeometry().center(), dialog.screen()->availableGeometry().center());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace
