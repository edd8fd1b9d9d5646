#include "prefs/FrmOption.h"

#include "prefs/TriggerPreferences.h"
#include "recognition/RecognitionMode.h"
#include "store/Settings.h"
#include "widgets/FormLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString option = u"Option"_s;

QCheckBox* checkBox(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* box = new QCheckBox(text, parent);
    look::makeBold(box);
    box->setGeometry(geometry);
    return box;
}

QPushButton* button(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    // Neither button answers Enter.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// A stored preference as a check box state; a stored text that is no number keeps the default.
Qt::CheckState stored(const QString& key, int defaultValue) {
    const std::optional<qint16> value =
        settings::toInteger16(settings::GetSetting(option, key, QString::number(defaultValue)));
    return value.value_or(defaultValue) != 0 ? Qt::Checked : Qt::Unchecked;
}

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    look::makeBold(label);
    label->setGeometry(geometry);
    return label;
}

const std::pair<QString, int> triggerButtons[] = {
    {u"Bouton du milieu"_s, TriggerSettings::middleButton},
    {u"Bouton 8 (côté)"_s, 8},
    {u"Bouton 9 (côté)"_s, 9},
};

const std::pair<QString, Qt::KeyboardModifier> passThroughKeys[] = {
    {u"Maj"_s, Qt::ShiftModifier},
    {u"Ctrl"_s, Qt::ControlModifier},
    {u"Alt"_s, Qt::AltModifier},
    {u"Aucune touche"_s, Qt::NoModifier},
};

QString text(const QCheckBox* box) {
    return box->isChecked() ? u"1"_s : u"0"_s;
}

} // namespace

FrmOption::FrmOption(QWidget* parent) : PlainDialog(parent) {
    setWindowTitle(u"Préférence"_s);
    setFixedSize(325, 257);
    look::applyToWindow(this);

    look::filledRectangle(this, {0, 0, 329, 57}, Qt::white);
    auto* title = new QLabel(u"Préférence"_s, this);
    look::makeBold(title);
    title->setGeometry(32, 8, 257, 17);
    (new QLabel(u"Personnalisation du système de dessin"_s, this))->setGeometry(48, 24, 257, 17);

    chkGrid = checkBox(this, u"Afficher un rectangle"_s, {16, 64, 305, 17});
    chkName =
        checkBox(this, u"Afficher le nom du programme dans le rectangle"_s, {16, 88, 297, 17});
    chkEtire = checkBox(this, u"Buffer par étirement"_s, {16, 112, 305, 17});
    chkEtire->hide();

    // The trigger, where the hidden box would be and below.
    label(this, u"Bouton du geste :"_s, {16, 112, 140, 17});
    cboButton = new QComboBox(this);
    cboButton->setGeometry(160, 109, 150, 22);
    for (const auto& [text, number] : triggerButtons)
        cboButton->addItem(text, number);
    label(this, u"Laisser passer avec :"_s, {16, 140, 140, 17});
    cboPassThrough = new QComboBox(this);
    cboPassThrough->setGeometry(160, 137, 150, 22);
    for (const auto& [text, modifier] : passThroughKeys)
        cboPassThrough->addItem(text, QVariant::fromValue(modifier));
    label(this, u"Applications exclues :"_s, {16, 168, 140, 17});
    txtExcluded = new QLineEdit(this);
    txtExcluded->setGeometry(160, 165, 150, 22);
    txtExcluded->setToolTip(u"Classes de fenêtre (WM_CLASS) où le bouton garde son rôle, "
                            u"séparées par des virgules"_s);

    chkPrecise = checkBox(this, u"Reconnaissance précise"_s, {16, 196, 305, 17});
    chkPrecise->setToolTip(u"Choisit le symbole par la forme de ses dessins ; les deux "
                           u"sensibilités règlent alors la ressemblance et l'écart avec le "
                           u"suivant."_s);

    Command1 = button(this, u"OK"_s, {128, 224, 89, 25});
    look::makeBold(Command1);
    Command2 = button(this, u"Annuler"_s, {224, 224, 89, 25});
    chkGrid->setObjectName(u"chkGrid"_s);
    chkName->setObjectName(u"chkName"_s);
    chkEtire->setObjectName(u"chkEtire"_s);
    Command1->setObjectName(u"Command1"_s);
    Command2->setObjectName(u"Command2"_s);
    cboButton->setObjectName(u"cboButton"_s);
    cboPassThrough->setObjectName(u"cboPassThrough"_s);
    txtExcluded->setObjectName(u"txtExcluded"_s);
    chkPrecise->setObjectName(u"chkPrecise"_s);

    setTabOrder(chkGrid, chkName);
    setTabOrder(chkName, cboButton);
    setTabOrder(cboButton, cboPassThrough);
    setTabOrder(cboPassThrough, txtExcluded);
    setTabOrder(txtExcluded, chkPrecise);
    setTabOrder(chkPrecise, Command2);
    setTabOrder(Command2, Command1);

    connect(Command1, &QPushButton::clicked, this, &FrmOption::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void FrmOption::Form_Load() {
    chkEtire->setCheckState(stored(u"Etire"_s, 0));
    chkGrid->setCheckState(stored(u"Grid"_s, 1));
    chkName->setCheckState(stored(u"Nom"_s, 1));
    const TriggerSettings trigger = prefs::loadTriggerSettings();
    cboButton->setCurrentIndex(cboButton->findData(trigger.button));
    cboPassThrough->setCurrentIndex(
        cboPassThrough->findData(QVariant::fromValue(trigger.passThrough)));
    txtExcluded->setText(prefs::classesAsText(trigger.excludedClasses));
    chkPrecise->setChecked(chosenRecognitionMode() == RecognitionMode::Precise);
}

void FrmOption::Command1_Click() {
    settings::SaveSetting(option, u"Etire"_s, text(chkEtire));
    settings::SaveSetting(option, u"Grid"_s, text(chkGrid));
    settings::SaveSetting(option, u"Nom"_s, text(chkName));
    TriggerSettings trigger;
    trigger.button = cboButton->currentData().toInt();
    trigger.passThrough = cboPassThrough->currentData().value<Qt::KeyboardModifier>();
    trigger.excludedClasses = prefs::classesFromText(txtExcluded->text());
    prefs::saveTriggerSettings(trigger);
    chooseRecognitionMode(chkPrecise->isChecked() ? RecognitionMode::Precise
                                                  : RecognitionMode::Default);
    accept();
}
