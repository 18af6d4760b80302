// main() of the test programs that need a QApplication: one for the whole run, ended before the
// program's static objects (Qt's test input devices among them) are destroyed.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/application.h"

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Tests never need a display; listing them at build time must not either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    omenary::app::SetUpApplication(application);
    return RUN_ALL_TESTS();
}
