#include "widgets/PlainDialog.h"

#include "widgets/FormLook.h"

#include <QKeyEvent>

void PlainDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

// Sent before the window is mapped, after Qt placed it over its parent.
void PlainDialog::showEvent(QShowEvent* event) {
    look::centreOnScreen(this);
    QDialog::showEvent(event);
}
