// The help page we build beside the program: an anchor for every category the help
// window offers, so choosing any of them lands on its explanation.
#include "db/Database.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

TEST(DCHelp, HasOneAnchorForEveryCategoryTheHelpWindowLists)
{
    QFile page(QStringLiteral(LX_DCHELP));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << LX_DCHELP;
    const QString html = QString::fromUtf8(page.readAll());
    QSet<QString> anchors;
    const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]*)\""));
    for (auto it = anchor.globalMatch(html); it.hasNext();)
        anchors.insert(it.next().captured(1));

    db::OpenOptions o;
    o.readOnly = true;
    db::Database res = db::Database::open(QStringLiteral(LX_RES_DAT), o);
    QSet<QString> listed;
    db::Statement rows(res, QStringLiteral("SELECT categoryID FROM datcats_names WHERE langID = 'en'"));
    while (rows.step()) {
        const QString id = rows.column(0).toString();
        if (!id.startsWith('x') && !id.startsWith('0'))
            listed.insert(id);
    }
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_EQ(anchors, listed);
    // The page is UTF-8: the Spanish names keep their accents.
    EXPECT_TRUE(html.contains(QStringLiteral("término")));
}
