// Entry of the window and drawing tests: a Qt application on the offscreen
// platform unless another one is asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return vx::test::RunAllTestsInTemporaryFolders();
}
