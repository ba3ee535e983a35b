#include "support/MainWindowFixture.h"
#include "tools/frmOntoOptions.h"
#include "ui/DataList.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>

using OptionsCommand = MainWindowTest;

TEST_F(OptionsCommand, TheConceptListFollowsTheListOptionChosen)
{
    newOntology("Zoo", "zoo.ont");
    OntologyDB.execute("INSERT INTO Subsets (Subset_ID, Subset) VALUES (2, 'Elsewhere')");
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('DOG', 1, 1), ('ZEBRA', 1, 2), "
                       "('EATS', 4, 1)");
    const auto count = [](const char *where) {
        return OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM CONCEPTS ") + where).toInt();
    };
    const auto listed = [this](const QString &identifier) {
        return main->dblConcepts->findFirst([&](const QString &text) { return text == identifier; });
    };
    struct Case {
        const char *what;
        std::function<void(frmOntoOptions &)> choose;
        int listTop;
        int expected;
        QStringList shown, hidden;
    } cases[] = {
        {"the active subset", [](frmOntoOptions &d) { d.optMy->click(); }, 1, count("WHERE Subset_ID = 1"),
         {"DOG", "EATS"}, {"ZEBRA"}},
        {"everything but relations", [](frmOntoOptions &d) { d.optTop->click(); }, 2,
         count("WHERE Type <> 4 AND Type <> 14"), {"DOG", "ZEBRA"}, {"EATS"}},
        {"everything", [](frmOntoOptions &d) { d.optEvery->click(); }, 3, count(""), {"DOG", "ZEBRA", "EATS"}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        modals.expect<frmOntoOptions>([&](frmOntoOptions &d) {
            c.choose(d);
            d.cmdOK->click();
        });
        main->mnuToolsOptions->trigger();
        EXPECT_EQ(OntologyInfo.ListTop, c.listTop);
        EXPECT_EQ(main->ListedCount, c.expected);
        EXPECT_EQ(main->StatusBar1->panelText(3), QString::number(c.expected) + " listed");
        for (const QString &s : c.shown)
            EXPECT_TRUE(listed(s)) << s.toStdString();
        for (const QString &h : c.hidden)
            EXPECT_FALSE(listed(h)) << h.toStdString();
        EXPECT_TRUE(ui::forms().ofType<frmOntoOptions>().empty());
    }

    // Cancel changes no option; the list is rebuilt all the same, under the options in force.
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('YAK', 1, 2)");
    modals.expect<frmOntoOptions>([](frmOntoOptions &d) {
        EXPECT_TRUE(d.optEvery->isChecked()) << "each run shows the options now in force";
        d.optMy->click();
        d.cmdCancel->click();
    });
    main->mnuToolsOptions->trigger();
    EXPECT_EQ(OntologyInfo.ListTop, 3);
    EXPECT_TRUE(listed("YAK"));
}
