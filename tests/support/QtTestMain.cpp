// main() for widget tests: Qt on the offscreen platform, user folders sandboxed.
#include "support/Sandbox.h"
#include "support/ScriptedAnswers.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Static, so it outlives the process-wide settings object, which writes when it goes.
    static const Sandbox sandbox;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const ScriptedAnswers noQuestionExpected;
    return RUN_ALL_TESTS();
}
