// The inherited-properties pane: its modes, the Include boxes, sorting, going to a row's
// concepts and the report on the clipboard.

#include "PanesFixture.h"
#include "support/PopupRequests.h"
#include "ontology/LocalSlots.h"
#include "support/HeaderClicks.h"
#include "ui/StatusBar.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <algorithm>
#include <functional>
#include <QGuiApplication>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

// Slot|Value|From of every row, in the order shown.
QStringList shownRows(const QTreeWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *r = list->topLevelItem(i);
        out << r->text(0) + '|' + r->text(1) + '|' + r->text(2);
    }
    return out;
}

class InheritPaneTest : public PanesTest {
protected:
    void SetUp() override
    {
        PanesTest::SetUp();
        // VAN < TRUCK < CAR; CAR and TRUCK give values, VAN only inherits.
        addIsA({{"TRUCK", "CAR"}, {"VAN", "TRUCK"}});
        AddRelationPair("CAR", "HAS-PART", "WHEEL", false);
        AddRelationPair("TRUCK", "HAS-PART", "ENGINE", true);
        AddAttributeValue("CAR", "COLOR", "red", true);
        AddAttributeValue("TRUCK", "SIZE", "big", false);
        showConcept("VAN");
    }
};

}  // namespace

TEST_F(InheritPaneTest, ModesAndIncludeBoxes)
{
    EXPECT_TRUE(main->optOff->isChecked());
    EXPECT_FALSE(main->fralvwInclude->isEnabled());
    const QString panel = main->StatusBar1->panelText(1);
    main->optCumulative->click();
    EXPECT_TRUE(main->fralvwInclude->isEnabled());
    EXPECT_TRUE(main->chkInhRels->isEnabled());
    const QStringList cumulative = shownRows(main->lvwInherit);
    EXPECT_EQ(cumulative.size(), 4);
    EXPECT_TRUE(cumulative.contains("HAS-PART|WHEEL|CAR"));
    EXPECT_TRUE(cumulative.contains("HAS-PART|ENGINE (by default)|TRUCK"));
    EXPECT_TRUE(cumulative.contains("COLOR|red (by default)|CAR"));
    EXPECT_TRUE(cumulative.contains("SIZE|big|TRUCK"));

    const struct Case {
        const char *what;
        QRadioButton *mode;
        bool attrs, rels;
        QStringList shownSlots;  // the shownSlots shown, each once
    } cases[] = {
        {"cumulative, relations only", main->optCumulative, false, true, {"HAS-PART"}},
        {"cumulative, attributes only", main->optCumulative, true, false, {"COLOR", "SIZE"}},
        {"neither box: nothing computed", main->optCumulative, false, false, {}},
        {"exclusive, all", main->optExclusive, true, true, {"COLOR", "HAS-PART", "SIZE"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        c.mode->click();
        main->chkInhAttrs->setChecked(c.attrs);
        main->chkInhRels->setChecked(c.rels);
        QStringList shownSlots;
        for (const QString &r : shownRows(main->lvwInherit))
            if (!shownSlots.contains(r.section('|', 0, 0)))
                shownSlots << r.section('|', 0, 0);
        shownSlots.sort();
        EXPECT_EQ(shownSlots, c.shownSlots);
    }
    EXPECT_EQ(main->StatusBar1->panelText(1), panel) << "the Calculating... text is taken back";
    EXPECT_EQ(main->mousePointer(), ui::MousePointer::Default);

    main->optOff->click();
    EXPECT_TRUE(shownRows(main->lvwInherit).isEmpty());
    EXPECT_FALSE(main->fralvwInclude->isEnabled());
    EXPECT_FALSE(main->chkInhAttrs->isEnabled());
}

TEST_F(InheritPaneTest, AConceptWithNothingAboveButTheRootShowsNoRowsOfTheConceptBefore)
{
    main->optCumulative->click();
    ASSERT_FALSE(shownRows(main->lvwInherit).isEmpty());
    showConcept("OBJECT");
    main->FillInheritedList();
    EXPECT_TRUE(shownRows(main->lvwInherit).isEmpty());
}

TEST_F(InheritPaneTest, GoingToTheSlotTheValueOrTheAncestorOfARow)
{
    const struct Case {
        const char *row;  // Slot|Value|From
        void (frmOntoEdit::*command)();
        const char *shown;  // the concept shown afterwards
    } cases[] = {
        {"HAS-PART|WHEEL|CAR", &frmOntoEdit::mnuInheritGoToAttr_Click, "HAS-PART"},
        {"HAS-PART|WHEEL|CAR", &frmOntoEdit::mnuInheritGoToValue_Click, "WHEEL"},
        {"HAS-PART|ENGINE (by default)|TRUCK", &frmOntoEdit::mnuInheritGoToValue_Click, "ENGINE"},
        {"HAS-PART|ENGINE (by default)|TRUCK", &frmOntoEdit::mnuInheritGoToFrom_Click, "TRUCK"},
        {"SIZE|big|TRUCK", &frmOntoEdit::mnuInheritGoToValue_Click, "VAN"},  // "big" is no concept
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.row) + " > " + c.shown);
        showConcept("VAN");
        main->optCumulative->setChecked(true);
        const int i = int(shownRows(main->lvwInherit).indexOf(c.row));
        ASSERT_GE(i, 0);
        main->lvwInherit->setCurrentItem(main->lvwInherit->topLevelItem(i));
        (main.get()->*c.command)();
        EXPECT_EQ(main->CurrentConcept, c.shown);
    }
    showConcept("VAN");
    main->lvwInherit->clearSelection();
    main->mnuInheritGoToFrom_Click();
    EXPECT_EQ(main->CurrentConcept, "VAN") << "with no row selected nothing happens";
}

// The column chosen holds for every later refill of the pane: another concept, another
// mode, another Include box.
TEST_F(InheritPaneTest, TheChosenOrderHoldsAcrossRefills)
{
    main->optCumulative->click();
    main->show();
    main->tbsEdit->setCurrentWidget(main->lvwInherit->parentWidget());
    clickHeader(*main->lvwInherit->header(), 1);  // by Value
    const auto values = [&] {
        QStringList out;
        for (int i = 0; i < main->lvwInherit->topLevelItemCount(); ++i)
            out << main->lvwInherit->topLevelItem(i)->text(1);
        return out;
    };
    struct Case {
        const char *refill;
        std::function<void()> run;
    } cases[] = {
        {"shown again", [&] { showConcept("VAN"); }},
        {"relations only", [&] { main->chkInhAttrs->setChecked(false); }},
        {"both again", [&] { main->chkInhAttrs->setChecked(true); }},
        {"exclusive", [&] { main->optExclusive->click(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.refill);
        c.run();
        QStringList shown = values();
        ASSERT_GT(shown.size(), 1);
        QStringList sorted = shown;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(shown, sorted);
        main->mnuInheritCopy_Click();
        const QStringList lines = QGuiApplication::clipboard()->text().split("\r\n");
        EXPECT_EQ(lines.at(5).section(';', 1, 1), shown.front()) << "the report follows the shown order";
    }
}

TEST_F(InheritPaneTest, TheReportOnTheClipboardFollowsTheShownOrder)
{
    showPane(main->lvwInherit);
    rightClickBelowRows(main->lvwInherit);  // off: empty list, no pop-up
    main->optCumulative->click();
    main->chkInhAttrs->setChecked(false);
    clickHeader(*main->lvwInherit->header(), 2);
    clickHeader(*main->lvwInherit->header(), 1);  // by Value
    QGuiApplication::clipboard()->setText("before");
    popups.choose("Copy to Clipboard");
    clickRow(main->lvwInherit, main->lvwInherit->model()->index(0, 0), Qt::RightButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Inherited properties for VAN:\r\n"
              "Inheritance type: Cumulative\r\n"
              "Include: Relations\r\n"
              "\r\n"
              "Attribute;Value;From\r\n"
              "HAS-PART;ENGINE (by default);TRUCK\r\n"
              "HAS-PART;WHEEL;CAR\r\n");

    main->chkInhAttrs->setChecked(true);
    main->optExclusive->click();
    clickHeader(*main->lvwInherit->header(), 0);
    main->mnuInheritCopy_Click();
    const QStringList lines = QGuiApplication::clipboard()->text().split("\r\n");
    EXPECT_EQ(lines.mid(1, 2), (QStringList{"Inheritance type: Exclusive", "Include: Relations and Attributes"}));
    EXPECT_TRUE(lines.at(5).startsWith("COLOR;")) << "sorted by slot";

    main->chkInhRels->setChecked(false);
    main->mnuInheritCopy_Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().split("\r\n").at(2), "Include: Attributes");
}

TEST_F(InheritPaneTest, TheKeysOpenThePopupAtTheCurrentRow)
{
    showPane(main->lvwInherit);
    main->optCumulative->click();
    ASSERT_GT(main->lvwInherit->topLevelItemCount(), 0);
    clickRow(main->lvwInherit, main->lvwInherit->model()->index(0, 0));
    expectPopupByEveryWay(popups, main->lvwInherit, "Inherit");
}
