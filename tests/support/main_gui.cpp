#include "StrictBackends.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Test discovery runs this binary at build time, where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    installStrictBackends();
    installStrictPopupMenus();
    return RUN_ALL_TESTS();
}
