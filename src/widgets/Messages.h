#pragma once

#include <QString>

#include <functional>

class QWidget;

// What the program tells or asks the user in a box over one of its windows.
namespace messages {

// A warning that does not block: the window behind stays usable.
void warn(QWidget* parent, const QString& text);

// A yes-or-no question, "Oui" or "Non"; true for "Oui". It waits for the answer.
bool ask(QWidget* parent, const QString& text);

// Tests answer the questions here instead of a box showing; an empty function brings the box back.
void setAnswerer(std::function<bool(const QString& question)> answerer);

} // namespace messages
