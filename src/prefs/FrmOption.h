#pragma once

#include "widgets/PlainDialog.h"

class QCheckBox;
class QPushButton;

// The preferences dialog: shows the stored display preferences and saves all three on "OK".
class FrmOption : public PlainDialog {
    Q_OBJECT

public:
    explicit FrmOption(QWidget* parent = nullptr);

    QCheckBox* chkGrid = nullptr;
    QCheckBox* chkName = nullptr;
    QCheckBox* chkEtire = nullptr; // never shown; carries the stored "Etire" through
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    void Form_Load();
    void Command1_Click();
};
