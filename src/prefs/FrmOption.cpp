#include "prefs/FrmOption.h"

#include "store/Settings.h"
#include "widgets/FormLook.h"

#include <QCheckBox>
#include <QLabel>
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

QString text(const QCheckBox* box) {
    return box->isChecked() ? u"1"_s : u"0"_s;
}

} // namespace

FrmOption::FrmOption(QWidget* parent) : PlainDialog(parent) {
    setWindowTitle(u"Préférence"_s);
    setFixedSize(325, 177);
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
    Command1 = button(this, u"OK"_s, {128, 144, 89, 25});
    look::makeBold(Command1);
    Command2 = button(this, u"Annuler"_s, {224, 144, 89, 25});
    chkGrid->setObjectName(u"chkGrid"_s);
    chkName->setObjectName(u"chkName"_s);
    chkEtire->setObjectName(u"chkEtire"_s);
    Command1->setObjectName(u"Command1"_s);
    Command2->setObjectName(u"Command2"_s);

    setTabOrder(chkGrid, chkName);
    setTabOrder(chkName, Command2);
    setTabOrder(Command2, Command1);

    connect(Command1, &QPushButton::clicked, this, &FrmOption::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void FrmOption::Form_Load() {
    chkEtire->setCheckState(stored(u"Etire"_s, 0));
    chkGrid->setCheckState(stored(u"Grid"_s, 1));
    chkName->setCheckState(stored(u"Nom"_s, 1));
}

void FrmOption::Command1_Click() {
    settings::SaveSetting(option, u"Etire"_s, text(chkEtire));
    settings::SaveSetting(option, u"Grid"_s, text(chkGrid));
    settings::SaveSetting(option, u"Nom"_s, text(chkName));
    accept();
}
