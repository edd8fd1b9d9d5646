#include "widgets/Messages.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

using namespace Qt::StringLiterals;

namespace messages {
namespace {

std::function<bool(const QString&)> g_answerer;

QString titleOf(const QWidget* parent) {
    return parent ? parent->window()->windowTitle() : u"Gestrix"_s;
}

} // namespace

void warn(QWidget* parent, const QString& text) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, titleOf(parent), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool ask(QWidget* parent, const QString& text) {
    if (g_answerer)
        return g_answerer(text);
    QMessageBox box(QMessageBox::Question, titleOf(parent), text, QMessageBox::NoButton, parent);
    QPushButton* yes =
        box.addButton(QCoreApplication::translate("Messages", "Oui"), QMessageBox::YesRole);
    box.setDefaultButton(
        box.addButton(QCoreApplication::translate("Messages", "Non"), QMessageBox::NoRole));
    box.exec();
    return box.clickedButton() == yes;
}

void setAnswerer(std::function<bool(const QString& question)> answerer) {
    g_answerer = std::move(answerer);
}

} // namespace messages
