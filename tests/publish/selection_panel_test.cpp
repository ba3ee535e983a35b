#include "SelectionFixture.h"
#include "publish/ConceptSelectionList.h"
#include "publish/ConceptSelectionPanel.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/UserKeys.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList selectedTexts(const ConceptSelectionList &list)
{
    QStringList out;
    for (int row : list.selectedRows())
        out << list.text(row);
    return out;
}

int rowOf(const ConceptSelectionList &list, const QString &text) { return int(list.items().indexOf(text)); }

class SelectionPanelTest : public ::testing::Test {
protected:
    SelectionOntology o;
    ScriptedMessageBoxes boxes;
    QWidget host;
    ConceptSelectionPanel *panel = nullptr;
    QString status;

    void SetUp() override { make({}); }

    void make(const ConceptSelectionPanel::Options &options)
    {
        delete panel;
        panel = new ConceptSelectionPanel(options, &host);
        panel->setSource(ListOntologyConcepts);
        panel->setStatus([this](const QString &text) { status = text; });
        ASSERT_TRUE(panel->fill());
        panel->fillSubsets();
        panel->setReady(true);
    }
    ConceptSelectionList &list() { return *panel->lstConcepts; }
    void click(const QString &text, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        list().clickRow(rowOf(list(), text), mods);
    }
    void expression(const QString &pattern)
    {
        panel->optRegExp->click();
        panel->txtRegExp->setText(pattern);
        panel->cmdSelect->click();
    }
};

}  // namespace

TEST_F(SelectionPanelTest, FillsAlphabeticallyWithNothingSelectedAndTheSubsetsInOrder)
{
    EXPECT_EQ(list().items(), QStringList({"ALL", "ANIMAL", "CAR", "CAR-2", "CAT", "Cattle", "TRUCK", "VEHICLE"}));
    EXPECT_EQ(list().selCount(), 0);
    EXPECT_EQ(panel->sortMode(), "Alpha");
    EXPECT_EQ(status, "0 Concepts selected");
    EXPECT_EQ(panel->cbxSubset->currentText(), "General");
    EXPECT_EQ(panel->cbxSubset->count(), 2);
    EXPECT_TRUE(panel->optSelect->isChecked());
    EXPECT_FALSE(panel->cmdSelect->isEnabled());
    EXPECT_EQ(panel->optAll->text(), "All (publish)");
}

TEST_F(SelectionPanelTest, EachOptionEmptiesTheSelectionAndSetsItsControls)
{
    struct Case {
        QRadioButton *ConceptSelectionPanel::*option;
        bool expression, subset, select;
    } cases[] = {
        {&ConceptSelectionPanel::optAll, false, false, true},
        {&ConceptSelectionPanel::optSelect, false, false, false},
        {&ConceptSelectionPanel::optRegExp, true, false, true},
        {&ConceptSelectionPanel::optSubset, false, true, true},
        {&ConceptSelectionPanel::optHier, false, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE((panel->*c.option)->text().toStdString());
        list().selectRange(0, 2);
        (panel->*c.option)->click();
        EXPECT_EQ(list().selCount(), 0);
        EXPECT_EQ(status, "0 Concepts selected");
        EXPECT_TRUE((panel->*c.option)->isChecked());
        EXPECT_EQ(panel->txtRegExp->isEnabled(), c.expression);
        EXPECT_EQ(panel->cbxSubset->isEnabled(), c.subset);
        EXPECT_EQ(panel->cmdSelect->isEnabled(), c.select);
    }
}

TEST_F(SelectionPanelTest, AllSelectsEveryConcept)
{
    panel->optAll->click();
    panel->cmdSelect->click();
    EXPECT_EQ(list().selCount(), 8);
    EXPECT_EQ(status, "8 Concepts selected");
}

TEST_F(SelectionPanelTest, ExpressionsMatchCaseSensitivelyWithTheWholePatternLanguage)
{
    struct Case {
        const char *pattern;
        QStringList selected;
        const char *message;  // "" when none is expected
    } cases[] = {
        {"CA*", {"CAR", "CAR-2", "CAT"}, ""},
        {"***", {"ALL", "ANIMAL", "CAR", "CAR-2", "CAT", "Cattle", "TRUCK", "VEHICLE"}, ""},
        {"C?R*", {"CAR", "CAR-2"}, ""},
        {"CAR-#", {"CAR-2"}, ""},
        {"Cat*", {"Cattle"}, ""},
        {"[A-B]*", {"ALL", "ANIMAL"}, ""},
        {"[!A-C]*", {"TRUCK", "VEHICLE"}, ""},
        {"*[a-c]*", {"Cattle"}, ""},
        {"ZZZ*", {}, "No concepts matched your criteria."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pattern);
        if (*c.message)
            boxes.expect(QString::fromUtf8(c.message));
        expression(QString::fromUtf8(c.pattern));
        EXPECT_EQ(selectedTexts(list()), c.selected);
        EXPECT_EQ(status, QString::number(c.selected.size()) + " Concepts selected");
    }
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Information);
}

TEST_F(SelectionPanelTest, ASecondExpressionAddsToTheFirst)
{
    expression("CAR*");
    panel->txtRegExp->setText("TRU*");
    panel->cmdSelect->click();
    EXPECT_EQ(selectedTexts(list()), QStringList({"CAR", "CAR-2", "TRUCK"}));
}

TEST_F(SelectionPanelTest, ShortAndInvalidExpressionsLeaveTheSelectionAsItWas)
{
    struct Case {
        const char *pattern;
        const char *message;
    } cases[] = {
        {"CA", "Enter at least 3 characters!"},
        {"CA[", "Invalid expression"},
        {"[Z-A]*", "Invalid expression"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pattern);
        expression("CAR*");
        status.clear();
        boxes.expect(QString::fromUtf8(c.message));
        panel->txtRegExp->setText(QString::fromUtf8(c.pattern));
        panel->cmdSelect->click();
        EXPECT_EQ(selectedTexts(list()), QStringList({"CAR", "CAR-2"}));
        EXPECT_EQ(boxes.asked().back().title, "Error");
        EXPECT_EQ(status, "");
    }
}

TEST_F(SelectionPanelTest, TypedExpressionsFollowTheNamingRestriction)
{
    panel->optRegExp->click();
    for (bool naming : {true, false}) {
        SCOPED_TRACE(naming);
        OntologyInfo.Naming = naming;
        keys::focusBox(panel->txtRegExp);
        panel->txtRegExp->clear();
        keys::type("ca r*");
        EXPECT_EQ(panel->txtRegExp->text(), naming ? "CA-R" : "ca r*");
    }
    OntologyInfo.Naming = true;
    keys::runKeyCases(panel->window(), panel->txtRegExp, [this] { return panel->txtRegExp->text(); },
                      [this](const QString &t) { panel->txtRegExp->setText(t); }, keys::identifierKeyCases());
    keys::expectKeysPassOn(panel->window(), panel->txtRegExp);
}

TEST_F(SelectionPanelTest, SubsetSelectsItsMembersInEitherOrder)
{
    for (QRadioButton *sort : {panel->optAsEntered, panel->optAlpha, panel->optAsEntered}) {
        SCOPED_TRACE(sort->text().toStdString());
        sort->click();
        panel->optSubset->click();
        panel->cbxSubset->setCurrentText("Vehicles");
        panel->cmdSelect->click();
        QStringList got = selectedTexts(list());
        got.sort();
        EXPECT_EQ(got, QStringList({"CAR", "CAR-2", "TRUCK", "VEHICLE"}));
        EXPECT_EQ(status, "4 Concepts selected");
    }
}

TEST_F(SelectionPanelTest, SubhierarchySelectsTheConceptAndItsDescendants)
{
    panel->optHier->click();
    click("VEHICLE");
    EXPECT_TRUE(panel->optHier->isChecked());
    EXPECT_EQ(status, "1 Concepts selected");
    panel->cmdSelect->click();
    EXPECT_EQ(selectedTexts(list()), QStringList({"CAR", "CAR-2", "TRUCK", "VEHICLE"}));
    EXPECT_EQ(status, "4 Concepts selected");
}

TEST_F(SelectionPanelTest, SubhierarchyRefusals)
{
    struct Case {
        QStringList clicked;
        const char *message;
        const char *title;  // "" for the program's own
        int countAfter;
    } cases[] = {
        {{}, "For this option you must select ONE concept in the list.", "Select error", 0},
        {{"CAR", "CAT"}, "For this option you must select ONE concept in the list.", "Select error", 2},
        {{"ALL"}, "The concept you selected is not valid.", "", 1},
        {{"TRUCK"}, "The concept you selected is a leaf", "", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        panel->optHier->click();
        for (const QString &t : c.clicked)
            click(t, Qt::ControlModifier);
        boxes.expect(QString::fromUtf8(c.message));
        panel->cmdSelect->click();
        EXPECT_EQ(list().selCount(), c.countAfter);
        EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Exclamation);
        if (*c.title)
            EXPECT_EQ(boxes.asked().back().title, c.title);
        else
            EXPECT_NE(boxes.asked().back().title, "Error");
    }
}

TEST_F(SelectionPanelTest, BatchNamingTakesTheRootAsASubhierarchy)
{
    ConceptSelectionPanel::Options options;
    options.allCaption = "All";
    options.rootSubhierarchy = true;
    options.filterExpressionKeys = false;
    make(options);
    EXPECT_EQ(panel->optAll->text(), "All");
    panel->optHier->click();
    click("ALL");
    panel->cmdSelect->click();
    EXPECT_EQ(list().selCount(), 8);
    OntologyInfo.Naming = true;
    panel->optRegExp->click();
    keys::focusBox(panel->txtRegExp);
    keys::type("ca*");
    EXPECT_EQ(panel->txtRegExp->text(), "ca*");
}

TEST_F(SelectionPanelTest, AClickInTheListMeansChoosingByHand)
{
    panel->optAll->click();
    panel->cmdSelect->click();
    click("CAT");  // the option changes, and with it the selection empties, the click's too
    EXPECT_TRUE(panel->optSelect->isChecked());
    EXPECT_EQ(list().selCount(), 0);
    EXPECT_EQ(status, "0 Concepts selected");
    click("CAT");
    click("TRUCK", Qt::ControlModifier);
    click("CAR", Qt::ShiftModifier);  // the run from the last clicked, TRUCK
    EXPECT_EQ(selectedTexts(list()), QStringList({"CAR", "CAR-2", "CAT", "Cattle", "TRUCK"}));
    click("CAT", Qt::ControlModifier);
    EXPECT_EQ(status, "4 Concepts selected");
    click("ALL");
    EXPECT_EQ(selectedTexts(list()), QStringList({"ALL"}));
}

TEST_F(SelectionPanelTest, MouseAndKeysSelectAsInAnExtendedList)
{
    host.resize(500, 400);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    const auto at = [&](int row) { return list().visualRect(list().model()->index(row, 0)).center(); };
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, at(1));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::ControlModifier, at(3));
    EXPECT_EQ(selectedTexts(list()), QStringList({"ANIMAL", "CAR-2"}));
    QApplication::setActiveWindow(&host);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    ASSERT_EQ(keys::focus(), &list()) << "the click gave the list the focus";
    keys::press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selectedTexts(list()), QStringList({"CAR-2", "CAT"}));
    keys::press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list().selCount(), 8);
    EXPECT_EQ(status, "8 Concepts selected");
}

TEST_F(SelectionPanelTest, SortsReloadOnlyWhenTheOrderChanges)
{
    panel->optAsEntered->click();
    EXPECT_EQ(list().items(), QStringList({"ALL", "TRUCK", "VEHICLE", "CAR", "CAR-2", "ANIMAL", "CAT", "Cattle"}));
    EXPECT_EQ(panel->sortMode(), "AsEntered");
    list().selectRange(0, 1);
    panel->optAsEntered->click();
    EXPECT_EQ(list().selCount(), 2);  // the same order: not reloaded
    panel->optAlpha->click();
    EXPECT_EQ(list().items().first(), "ALL");
    EXPECT_EQ(list().items().at(1), "ANIMAL");
    EXPECT_EQ(list().selCount(), 0);
}

TEST_F(SelectionPanelTest, RefreshWithoutAWindowsOwnFillsAlphabeticallyOnce)
{
    panel->optAsEntered->click();
    OntologyDB.execute(QStringLiteral("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('BUS', 1, 2)"));
    panel->cmdRefresh->click();
    EXPECT_EQ(list().items(), QStringList({"ALL", "ANIMAL", "BUS", "CAR", "CAR-2", "CAT", "Cattle", "TRUCK", "VEHICLE"}));
    EXPECT_TRUE(panel->optAlpha->isChecked());
    EXPECT_EQ(panel->sortMode(), "Alpha");
}

TEST_F(SelectionPanelTest, TheListSelectsInRangesOfRows)
{
    ConceptSelectionList &l = list();
    QStringList many;
    for (int i = 0; i < 200; ++i)
        many << QString::number(i);
    l.setItems(many);
    struct Case {
        int first, last;
        bool select;
        int count;
    } cases[] = {
        {0, 199, true, 200}, {63, 64, false, 198}, {1, 130, false, 70}, {60, 70, true, 81}, {-5, 500, false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.first);
        l.selectRange(c.first, c.last, c.select);
        EXPECT_EQ(l.selCount(), c.count);
        EXPECT_EQ(int(l.selectedRows().size()), c.count);
    }
    EXPECT_EQ(l.selectWhere([](const QString &t) { return t.endsWith('7'); }), 20);
    EXPECT_EQ(l.selCount(), 20);
}

TEST(DescendantSet, HoldsWhatTheHierarchyQueryListsAndEndsOnACycle)
{
    SelectionOntology o;
    // CAR-2 reached along two paths, and a cycle of two concepts below ANIMAL.
    OntologyDB.execute(QStringLiteral("INSERT INTO ISA (Concept, ISA) VALUES ('CAR-2', 'TRUCK'), ('ANIMAL', 'Cattle')"));
    for (const QString &c : ListOntologyConcepts(ConceptOrder::Alpha)) {
        SCOPED_TRACE(c.toStdString());
        QStringList got = ListDescendantsUnordered(c.toLower());  // keys compare without regard to case
        got.removeDuplicates();
        got.sort();
        QStringList expected = GetDescendants(c);
        expected.sort();
        EXPECT_EQ(got, expected);
    }
}
