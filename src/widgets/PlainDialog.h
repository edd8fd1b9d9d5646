#pragma once

#include <QDialog>

// The program's dialogs: Escape presses no button (only their buttons and the close box close
// them), and each opens centred on the screen, not on the window that opened it.
class PlainDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
