#include "editor/FrmApplications.h"

#include "widgets/FormLook.h"
#include "widgets/WindowFit.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int iconPixels = 24;
}

FrmApplications::FrmApplications(QList<InstalledApplication> applications, QWidget* parent)
    : PlainDialog(parent), m_applications(std::move(applications)) {
    setWindowTitle(tr("Choisir une application"));
    look::applyToWindow(this);
    resize(360, 420);
    look::fitOnScreen(this);
    search = new QLineEdit(this);
    search->setObjectName(u"search"_s);
    search->setPlaceholderText(tr("Rechercher"));
    search->installEventFilter(this);
    list = new QListWidget(this);
    list->setObjectName(u"applications"_s);
    list->setIconSize(QSize(iconPixels, iconPixels));
    for (const InstalledApplication& application : std::as_const(m_applications))
        list->addItem(new QListWidgetItem(application.icon, application.name));
    auto* buttons = new QDialogButtonBox(this);
    ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search);
    layout->addWidget(list);
    layout->addWidget(buttons);

    connect(search, &QLineEdit::textChanged, this, &FrmApplications::narrow);
    connect(list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QListWidget::currentRowChanged, this,
            [this](int row) { ok->setEnabled(row >= 0 && !list->item(row)->isHidden()); });
    narrow({});
}

// Only the names holding the text, whatever its case; the first of them is selected.
void FrmApplications::narrow(const QString& text) {
    int first = -1;
    for (int row = 0; row < list->count(); ++row) {
        const bool shown = list->item(row)->text().contains(text.trimmed(), Qt::CaseInsensitive);
        list->item(row)->setHidden(!shown);
        if (shown && first < 0)
            first = row;
    }
    list->setCurrentRow(first);
    ok->setEnabled(first >= 0);
}

std::optional<InstalledApplication> FrmApplications::chosen() const {
    const int row = list->currentRow();
    if (result() != QDialog::Accepted || row < 0 || list->item(row)->isHidden())
        return std::nullopt;
    return m_applications[row];
}

// From the search field, Enter chooses and the arrows move through the list.
bool FrmApplications::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ok->isEnabled()) {
            accept();
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            QCoreApplication::sendEvent(list, event);
            return true;
        }
    }
    return PlainDialog::eventFilter(watched, event);
}
