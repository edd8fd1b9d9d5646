#pragma once

#include "platform/desktop/InstalledApplications.h"
#include "widgets/PlainDialog.h"

#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

// « Choisir une application… »: the installed applications by name and icon, narrowed as the
// user types; OK, Enter or a double click chooses the one selected.
class FrmApplications final : public PlainDialog {
    Q_OBJECT

public:
    explicit FrmApplications(QList<InstalledApplication> applications, QWidget* parent = nullptr);

    // The chosen application, once the dialog was accepted.
    std::optional<InstalledApplication> chosen() const;

    QLineEdit* search = nullptr;
    QListWidget* list = nullptr;
    QPushButton* ok = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void narrow(const QString& text);

    QList<InstalledApplication> m_applications;
};
