// main() for logic tests: no window, user folders sandboxed.
#include "support/Sandbox.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Static, so it outlives the process-wide settings object, which writes when it goes.
    static const Sandbox sandbox;
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
