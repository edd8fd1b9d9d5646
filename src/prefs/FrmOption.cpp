#include "prefs/FrmOption.h"

#include "platform/WindowPicker.h"

#include "prefs/Autostart.h"
#include "prefs/Preferences.h"
#include "widgets/FormLook.h"
#include "widgets/Messages.h"
#include "widgets/WindowFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcPrefs, "gestrix.prefs", QtCriticalMsg)

namespace {

QCheckBox* checkBox(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* box = new QCheckBox(text, parent);
    look::makeBold(box);
    box->setGeometry(geometry);
    return box;
}

QComboBox* comboBox(QWidget* parent, const QRect& geometry) {
    auto* box = new QComboBox(parent);
    box->setGeometry(geometry);
    return box;
}

const std::pair<const char*, int> triggerButtons[] = {
    {QT_TRANSLATE_NOOP("FrmOption", "Bouton du milieu"), TriggerSettings::middleButton},
    {QT_TRANSLATE_NOOP("FrmOption", "Bouton 8 (côté)"), 8},
    {QT_TRANSLATE_NOOP("FrmOption", "Bouton 9 (côté)"), 9},
};

const std::pair<const char*, Qt::KeyboardModifier> passThroughKeys[] = {
    {QT_TRANSLATE_NOOP("FrmOption", "Maj"), Qt::ShiftModifier},
    {QT_TRANSLATE_NOOP("FrmOption", "Ctrl"), Qt::ControlModifier},
    {QT_TRANSLATE_NOOP("FrmOption", "Alt"), Qt::AltModifier},
    {QT_TRANSLATE_NOOP("FrmOption", "Aucune touche"), Qt::NoModifier},
};

} // namespace

FrmOption::FrmOption(WindowPicker* picker, QWidget* parent)
    : PlainDialog(parent), m_picker(picker) {
    setWindowTitle(tr("Préférence"));
    setFixedSize(325, 389);
    look::applyToWindow(this);

    look::filledRectangle(this, {0, 0, 329, 57}, Qt::white);
    auto* title = new QLabel(tr("Préférence"), this);
    look::makeBold(title);
    title->setGeometry(32, 8, 257, 17);
    (new QLabel(tr("Personnalisation du système de dessin"), this))->setGeometry(48, 24, 257, 17);

    chkGrid = checkBox(this, tr("Afficher un rectangle"), {16, 64, 305, 17});
    chkName =
        checkBox(this, tr("Afficher le nom du programme dans le rectangle"), {16, 88, 297, 17});
    chkEtire = checkBox(this, tr("Buffer par étirement"), {16, 112, 305, 17});
    chkEtire->hide();

    // The trigger, where the hidden box would be and below.
    look::label(this, tr("Bouton du geste :"), {16, 112, 140, 17}, true);
    cboButton = comboBox(this, {160, 109, 150, 22});
    for (const auto& [text, number] : triggerButtons)
        cboButton->addItem(tr(text), number);
    look::label(this, tr("Laisser passer avec :"), {16, 140, 140, 17}, true);
    cboPassThrough = comboBox(this, {160, 137, 150, 22});
    for (const auto& [text, modifier] : passThroughKeys)
        cboPassThrough->addItem(tr(text), QVariant::fromValue(modifier));
    look::label(this, tr("Applications exclues :"), {16, 168, 140, 17}, true);
    txtExcluded = new QLineEdit(this);
    txtExcluded->setGeometry(160, 165, 150, 22);
    txtExcluded->setToolTip(tr("Classes de fenêtre (WM_CLASS) où le bouton garde son rôle, "
                               "séparées par des virgules"));
    cmdPickWindow = look::button(this, tr("Choisir une fenêtre…"), {160, 192, 150, 25});
    cmdPickWindow->setToolTip(tr("Puis cliquez sur une fenêtre de l'application à exclure."));

    chkClickBack =
        checkBox(this, tr("Un clic bref garde son rôle (coller, onglet…)"), {16, 224, 305, 17});
    chkClickBack->setToolTip(tr("Un clic bref du bouton, sans bouger, va à l'application ; "
                                "appuyez et dessinez, ou maintenez, pour un geste."));
    chkPrecise = checkBox(this, tr("Reconnaissance précise"), {16, 248, 305, 17});
    chkPrecise->setToolTip(tr("Choisit le symbole par la forme de ses dessins ; les deux "
                              "sensibilités règlent alors la ressemblance et l'écart avec le "
                              "suivant."));
    chkAutostart =
        checkBox(this, tr("Lancer Gestrix à l'ouverture de session"), {16, 272, 305, 17});
    chkCloseToTray = checkBox(this, tr("Fermer la fenêtre la garde dans la zone de notification"),
                              {16, 296, 305, 17});
    look::label(this, tr("Langue :"), {16, 324, 140, 17}, true);
    cboLanguage = comboBox(this, {160, 321, 150, 22});
    // Each language is named in itself.
    cboLanguage->addItem(u"Français"_s, QVariant::fromValue(prefs::Language::French));
    cboLanguage->addItem(u"English"_s, QVariant::fromValue(prefs::Language::English));
    cboLanguage->addItem(tr("Langue du système"), QVariant::fromValue(prefs::Language::System));
    cboLanguage->setToolTip(tr("Prend effet dès « OK » ; un éditeur de raccourci déjà ouvert "
                               "change de langue à sa prochaine ouverture."));

    Command1 = look::button(this, tr("OK"), {128, 356, 89, 25});
    look::makeBold(Command1);
    Command2 = look::button(this, tr("Annuler"), {224, 356, 89, 25});
    chkGrid->setObjectName(u"chkGrid"_s);
    chkName->setObjectName(u"chkName"_s);
    chkEtire->setObjectName(u"chkEtire"_s);
    Command1->setObjectName(u"Command1"_s);
    Command2->setObjectName(u"Command2"_s);
    cboButton->setObjectName(u"cboButton"_s);
    cboPassThrough->setObjectName(u"cboPassThrough"_s);
    txtExcluded->setObjectName(u"txtExcluded"_s);
    chkClickBack->setObjectName(u"chkClickBack"_s);
    chkPrecise->setObjectName(u"chkPrecise"_s);
    chkAutostart->setObjectName(u"chkAutostart"_s);
    chkCloseToTray->setObjectName(u"chkCloseToTray"_s);
    cmdPickWindow->setObjectName(u"cmdPickWindow"_s);
    cboLanguage->setObjectName(u"cboLanguage"_s);

    setTabOrder(chkGrid, chkName);
    setTabOrder(chkName, cboButton);
    setTabOrder(cboButton, cboPassThrough);
    setTabOrder(cboPassThrough, txtExcluded);
    setTabOrder(txtExcluded, cmdPickWindow);
    setTabOrder(cmdPickWindow, chkClickBack);
    setTabOrder(chkClickBack, chkPrecise);
    setTabOrder(chkPrecise, chkAutostart);
    setTabOrder(chkAutostart, chkCloseToTray);
    setTabOrder(chkCloseToTray, cboLanguage);
    setTabOrder(cboLanguage, Command2);
    setTabOrder(Command2, Command1);

    connect(cmdPickWindow, &QPushButton::clicked, this, &FrmOption::pickWindow);
    if (m_picker) {
        connect(m_picker, &WindowPicker::picked, this, &FrmOption::windowPicked);
        connect(m_picker, &WindowPicker::cancelled, this, [this] { m_pickPrompt->hide(); });
    }
    connect(Command1, &QPushButton::clicked, this, &FrmOption::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    look::fitOnScreen(this);
    Form_Load();
}

void FrmOption::Form_Load() {
    const prefs::Preferences stored = prefs::load();
    chkEtire->setChecked(stored.stretch);
    chkGrid->setChecked(stored.frameShown);
    chkName->setChecked(stored.nameShown);
    cboButton->setCurrentIndex(cboButton->findData(stored.trigger.button));
    cboPassThrough->setCurrentIndex(
        cboPassThrough->findData(QVariant::fromValue(stored.trigger.passThrough)));
    txtExcluded->setText(prefs::classesAsText(stored.trigger.excludedClasses));
    chkClickBack->setChecked(stored.trigger.clicksGivenBack);
    chkPrecise->setChecked(stored.recognition == RecognitionMode::Precise);
    chkCloseToTray->setChecked(stored.closeKeepsInTray);
    chkAutostart->setChecked(prefs::autostart::isEnabled());
    cboLanguage->setCurrentIndex(cboLanguage->findData(QVariant::fromValue(stored.language)));
}

// A pick not made lets the pointer go with the dialog.
FrmOption::~FrmOption() {
    if (m_picker)
        m_picker->stop();
}

// The next click on a window adds its class; where windows cannot be picked, the user is told.
// The pointer then belongs to the pick: a line on the screen says what it waits for.
void FrmOption::pickWindow() {
    if (!m_picker || !m_picker->start()) {
        messages::warn(this,
                       tr("Aucune fenêtre ne peut être choisie ici (sur Wayland, un "
                          "programme ne voit pas les fenêtres des autres) : tapez sa classe."));
        return;
    }
    if (!m_pickPrompt) {
        m_pickPrompt = new QLabel(tr("Cliquez la fenêtre à exclure ; Échap pour annuler"), this,
                                  Qt::ToolTip | Qt::FramelessWindowHint);
        m_pickPrompt->setMargin(10);
        m_pickPrompt->setStyleSheet(u"background: #20242C; color: #ECEFF4; font-size: 12pt;"_s);
        m_pickPrompt->adjustSize();
    }
    const QRect screen = this->screen()->geometry();
    m_pickPrompt->move(screen.center().x() - m_pickPrompt->width() / 2, screen.top() + 24);
    m_pickPrompt->show();
}

void FrmOption::windowPicked(const QStringList& windowClass) {
    m_pickPrompt->hide();
    if (windowClass.isEmpty()) {
        messages::warn(this, tr("La fenêtre cliquée ne donne pas de classe : tapez celle de "
                                "l'application, ou choisissez une autre fenêtre."));
        return;
    }
    txtExcluded->setText(prefs::withWindowClass(txtExcluded->text(), windowClass));
}

// What is saved stays saved; the dialog stays open for the user to see what was not.
void FrmOption::Command1_Click() {
    prefs::Preferences chosen;
    chosen.stretch = chkEtire->isChecked();
    chosen.frameShown = chkGrid->isChecked();
    chosen.nameShown = chkName->isChecked();
    chosen.trigger.button = cboButton->currentData().toInt();
    chosen.trigger.passThrough = cboPassThrough->currentData().value<Qt::KeyboardModifier>();
    chosen.trigger.excludedClasses = prefs::classesFromText(txtExcluded->text());
    chosen.trigger.clicksGivenBack = chkClickBack->isChecked();
    chosen.recognition =
        chkPrecise->isChecked() ? RecognitionMode::Precise : RecognitionMode::Default;
    chosen.language = cboLanguage->currentData().value<prefs::Language>();
    chosen.closeKeepsInTray = chkCloseToTray->isChecked();
    const Outcome<prefs::PreferencesError> failure =
        prefs::saveChosen(chosen, chkAutostart->isChecked());
    if (!failure) {
        accept();
        return;
    }
    qCWarning(lcPrefs) << "preferences not saved:" << failure->detail;
    switch (failure->error) {
    case prefs::PreferencesError::SettingsFile:
        messages::warn(this, tr("Les préférences n'ont pas été enregistrées : le fichier %1 ne "
                                "peut pas être écrit.")
                                 .arg(failure->detail));
        return;
    case prefs::PreferencesError::Autostart:
        break;
    }
    messages::warn(this, tr("Le lancement à l'ouverture de session n'a pas pu être réglé : "
                            "le fichier %1 ne peut pas être écrit ou supprimé.")
                             .arg(prefs::autostart::entryPath()));
}
