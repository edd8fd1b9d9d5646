#pragma once

#include "widgets/PlainDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class WindowPicker;

// The preferences dialog: shows the stored display preferences, the trigger's settings, the
// recognition mode, starting with the session and the language, and saves them all on "OK".
class FrmOption : public PlainDialog {
    Q_OBJECT

public:
    // Without a window picker (Wayland: a program does not see the others' windows), the class
    // is typed.
    explicit FrmOption(WindowPicker* picker = nullptr, QWidget* parent = nullptr);

    QCheckBox* chkGrid = nullptr;
    QCheckBox* chkName = nullptr;
    QCheckBox* chkEtire = nullptr;        // never shown; carries the stored "Etire" through
    QComboBox* cboButton = nullptr;       // the trigger button
    QComboBox* cboPassThrough = nullptr;  // the key that lets a press through
    QLineEdit* txtExcluded = nullptr;     // window classes where the button is left alone
    QCheckBox* chkPrecise = nullptr;      // the precise recognition
    QCheckBox* chkAutostart = nullptr;    // start with the session
    QCheckBox* chkClickBack = nullptr;    // a quick click of the trigger is the application's
    QCheckBox* chkCloseToTray = nullptr;  // closing the window keeps Gestrix running
    QPushButton* cmdPickWindow = nullptr; // adds a clicked window's class to the exclusions
    QLabel* pickPrompt() const { return m_pickPrompt; }
    QComboBox* cboLanguage = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    ~FrmOption() override;

private:
    void Form_Load();
    void Command1_Click();
    void pickWindow();
    void windowPicked(const QStringList& windowClass);

    WindowPicker* m_picker;
    QLabel* m_pickPrompt = nullptr; // on the screen while a window is being picked
};
