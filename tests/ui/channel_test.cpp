#include "ui/Channel.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(Channel, RunsItsHandlerOncePerRealChange)
{
    struct Case {
        const char *name;
        QStringList writes;
        QStringList handled;  // the caption as each run of the handler saw it
    } cases[] = {
        {"a value", {"Start"}, {"Start"}},
        {"the same value twice", {"Start", "Start"}, {"Start"}},
        {"empty then the value, twice", {"", "Start", "", "Start"}, {"Start", "", "Start"}},
        {"the empty caption is a change too", {"Rename", ""}, {"Rename", ""}},
        {"a first empty write is no change", {""}, {}},
        {"another value", {"Rename", "Delete"}, {"Rename", "Delete"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ui::Channel lblStart;
        QStringList handled;
        lblStart.onChange([&] { handled << lblStart.caption(); });
        for (const QString &w : c.writes)
            lblStart.setCaption(w);
        EXPECT_EQ(handled, c.handled);
        EXPECT_EQ(lblStart.caption(), c.writes.last());
    }
}

TEST(Channel, HandlersRunBeforeTheWriterGoesOnAndMayWriteOtherChannels)
{
    ui::Channel lblRefresh, lblStart, lblNewCpt;
    QStringList order;
    lblRefresh.onChange([&] {
        order << "refresh:" + lblRefresh.caption();
        if (lblRefresh.caption().isEmpty())
            return;
        lblStart.setCaption(QString());
        lblStart.setCaption(QStringLiteral("refresh"));
        order << "refresh done";
    });
    lblStart.onChange([&] {
        order << "start:" + lblStart.caption();
        if (lblStart.caption() == QLatin1String("refresh"))
            lblNewCpt.setCaption(QStringLiteral("CAR"));
    });
    lblNewCpt.onChange([&] { order << "newcpt:" + lblNewCpt.caption(); });

    lblStart.setCaption(QStringLiteral("Start"));
    order << "writer";
    lblRefresh.setCaption(QString());  // no change: nothing runs
    lblRefresh.setCaption(QStringLiteral("Concept"));
    order << "writer";

    EXPECT_EQ(order, (QStringList{"start:Start", "writer", "refresh:Concept", "start:", "start:refresh",
                                  "newcpt:CAR", "refresh done", "writer"}));
}

TEST(Channel, AHandlerMayWriteItsOwnChannelAndReplaceItself)
{
    ui::Channel lblStart;
    QStringList seen;
    lblStart.onChange([&] {
        seen << lblStart.caption();
        if (lblStart.caption() == QLatin1String("Name")) {
            lblStart.setCaption(QStringLiteral("OK"));  // the dialog writes its answer back
            lblStart.onChange([&] { seen << "new handler:" + lblStart.caption(); });
            seen << "after replacing";
        }
    });
    lblStart.setCaption(QStringLiteral("Name"));
    lblStart.setCaption(QStringLiteral("Cancel"));
    EXPECT_EQ(seen, (QStringList{"Name", "OK", "after replacing", "new handler:Cancel"}));
    EXPECT_EQ(lblStart.caption(), "Cancel");
}
