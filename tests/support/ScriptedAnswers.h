#pragma once

#include "widgets/Messages.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>

// Answers the program's yes-or-no questions from a script while it lives, and keeps them; a
// question beyond the script fails the test and is answered "Non". The widget tests' main keeps
// an empty one, so no question ever waits for a click.
class ScriptedAnswers {
public:
    explicit ScriptedAnswers(std::deque<bool> answers = {}) : m_answers(std::move(answers)) {
        messages::setAnswerer([this](const QString& question) {
            asked.append(question);
            if (m_answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << question.toStdString();
                return false;
            }
            const bool answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
    }
    ~ScriptedAnswers() { messages::setAnswerer(failOnAnyQuestion); }

    QStringList asked;

private:
    static bool failOnAnyQuestion(const QString& question) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return false;
    }
    std::deque<bool> m_answers;
};
