#include "ui/BusyRun.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

TEST(BusyRun, NoWindowClosesUnderARunAndEveryWindowMayCloseAfterIt)
{
    QWidget window;
    window.show();
    {
        ui::BusyRun run;
        QCloseEvent close;
        QCoreApplication::sendEvent(&window, &close);
        EXPECT_FALSE(close.isAccepted());
        EXPECT_TRUE(window.isVisible());
        run.paintNow();
        EXPECT_TRUE(window.isVisible());
    }
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}
