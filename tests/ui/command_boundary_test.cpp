#include "support/ScriptedMessageBoxes.h"
#include "db/Error.h"
#include "ui/CommandBoundary.h"
#include "ui/MousePointer.h"

#include <QProgressBar>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(CommandBoundary, AFailureIsReportedOnceAndTheWindowIsRestored)
{
    struct Case {
        const char *name;
        std::function<void()> failure;
        QString message;
    } cases[] = {
        {"an engine error", [] { throw db::DbError(db::err::ReadOnly, "Cannot update."); }, "Cannot update."},
        {"another exception", [] { throw std::runtime_error("disk full"); }, "The command failed: disk full"},
        {"anything else", [] { throw 42; }, "The command failed for an unknown reason."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        auto *bar = new QProgressBar(&window);
        bar->setRange(0, 10);
        QWidget wait;
        wait.show();
        ui::registerWaitWindow(&wait);
        ScriptedMessageBoxes boxes;
        boxes.expect(c.message);
        ui::runCommand(&window, [&] {
            ui::setScreenMousePointer(ui::MousePointer::Hourglass);
            bar->setValue(5);
            // A command run from inside this one leaves the report to the outer one.
            ui::runCommand(&window, c.failure);
            ADD_FAILURE() << "the inner failure must stop the outer command";
        });
        EXPECT_EQ(boxes.asked().size(), 1u);
        EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Default);
        EXPECT_EQ(bar->value(), bar->minimum() - 1);
        EXPECT_FALSE(wait.isVisible());
    }
}

TEST(CommandBoundary, AConnectedSlotReceivesTheSignalsArguments)
{
    QWidget window;
    QProgressBar bar(&window);
    int seen = -1;
    QObject::connect(&bar, &QProgressBar::valueChanged, &window, ui::command(&window, [&](int v) { seen = v; }));
    bar.setValue(3);
    EXPECT_EQ(seen, 3);
}
