// The navigator through its widgets: opening on the root's page, pages written when
// missing and again on request, links, the find box's keys and search, hand-overs, and
// the geometry it keeps.

#include "PageClicks.h"
#include "TreeWindowsFixture.h"
#include "support/UserKeys.h"
#include "publish/HTMLStuff.h"
#include "publish/OutputFolder.h"
#include "publish/frmOntoNav.h"
#include "ui/App.h"
#include "ui/MousePointer.h"
#include "ui/Settings.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

class NavigatorTest : public TreeWindowsTest {
protected:
    std::shared_ptr<frmOntoNav> nav;

    void open()
    {
        main->mnuToolsOntoNav_Click();
        nav = ui::forms().first<frmOntoNav>();
        ASSERT_TRUE(nav);
    }
    // Opens the navigator as the user has it, with OBJECT's children in sight; OBJECT's node.
    Node *openOnObject()
    {
        open();
        activate(*nav);
        clickExpander(*nav, nav->RootNode);
        Node *object = nav->TreeModel->findChild(nav->RootNode, QStringLiteral("OBJECT"));
        if (object)
            clickExpander(*nav, object);
        return object;
    }
    QString page(const QString &conceptId) const { return QDir(OntologyPublishFolder()).filePath(conceptId + ".html"); }
    QString shownPage() const { return QFileInfo(nav->Browser->currentPage().path).fileName(); }
    void search(const QString &typed)
    {
        focusFindBox(*nav);
        nav->cbxFind->setEditText(typed);
        keys::press(Qt::Key_Return);
    }
    // After a click on CAR while a slower page was on its way: CAR's page, and still CAR's
    // once the slower one would have come (written and shown, had it not been dropped).
    void expectCarsPageKept(const QString &ofTheDropped)
    {
        EXPECT_EQ(nav->Browser->currentPage().identifier, QStringLiteral("CAR"));
        QTest::qWait(3000);
        EXPECT_EQ(nav->Browser->currentPage().identifier, QStringLiteral("CAR"));
        EXPECT_TRUE(nav->Browser->toPlainText().contains(QStringLiteral("car-part")));
        EXPECT_FALSE(nav->Browser->toPlainText().contains(ofTheDropped));
    }
};

TEST_F(NavigatorTest, OpensOnTheRootsPageWithTheRootSelected)
{
    ASSERT_FALSE(QFileInfo::exists(page("ALL")));
    open();
    EXPECT_EQ(nav->caption(), QStringLiteral("Ontology Navigator - Trees"));
    EXPECT_EQ(nav->StatusBar1->panelText(2), QStringLiteral("%1 Concepts").arg(OntologyDB.scalar("SELECT count(*) FROM CONCEPTS").toInt()));
    EXPECT_EQ(nav->RootNode->text, QStringLiteral("ALL"));
    EXPECT_EQ(nav->selectedNode(), nav->RootNode);
    EXPECT_FALSE(nav->Tree1->isExpanded(nav->TreeModel->indexOf(nav->RootNode)));
    EXPECT_TRUE(QFileInfo::exists(page("ALL")));
    EXPECT_EQ(shownPage(), QStringLiteral("ALL.html"));
    // The entries without an action are disabled.
    for (QAction *a : {nav->mnuFileSaveAs, nav->mnuFilePrint})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    for (QAction *a : {nav->mnuOntoRefresh, nav->mnuPublishWhole, nav->mnuPublishSelect})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();

    // A second launch brings the same navigator forward; closing the ontology unloads it.
    main->mnuToolsOntoNav_Click();
    EXPECT_EQ(ui::forms().ofType<frmOntoNav>().size(), 1u);
    main->mnuFileClose_Click();
    EXPECT_TRUE(ui::forms().ofType<frmOntoNav>().empty());
}

TEST_F(NavigatorTest, PagesAreWrittenWhenMissingAndAgainOnRequest)
{
    open();
    nav->show();
    QApplication::setActiveWindow(nav->window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(nav->window()));
    // A page that exists is shown as it is, however old.
    QFile stale(page("CAR"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("<html><body>stale <a href=\"NOPE.html\">nope</a> <a href=\"../../VAN.html\">outside</a></body></html>");
    stale.close();
    nav->lblGoTo_Change(QStringLiteral("CAR"));
    EXPECT_EQ(shownPage(), QStringLiteral("CAR.html"));
    EXPECT_TRUE(nav->Browser->toPlainText().contains(QStringLiteral("stale")));

    // A page of the folder that is no concept's writes nothing; the page stays.
    boxes.expect(QStringLiteral("not the page of a concept"));
    clickPageLink(*nav->Browser, QStringLiteral("nope"));
    EXPECT_FALSE(QFileInfo::exists(page("NOPE")));
    EXPECT_EQ(shownPage(), QStringLiteral("CAR.html"));
    // Nor does a link out of the folder.
    boxes.expect(QStringLiteral("not opened here"));
    clickPageLink(*nav->Browser, QStringLiteral("outside"));
    EXPECT_FALSE(QFileInfo::exists(QDir(dir.path()).filePath(QStringLiteral("VAN.html"))));

    // Generate Again writes the selected concept's page anew.
    nav->ToolBar1->button(QStringLiteral("refresh"))->trigger();
    EXPECT_FALSE(readAll(page("CAR")).contains(QStringLiteral("stale")));
    EXPECT_FALSE(nav->Browser->toPlainText().contains(QStringLiteral("stale")));

    // A link to a concept whose page was never written writes it first.
    ASSERT_FALSE(QFileInfo::exists(page("CART")));
    clickPageLink(*nav->Browser, QStringLiteral("CART"));
    EXPECT_TRUE(QFileInfo::exists(page("CART")));
    EXPECT_EQ(shownPage(), QStringLiteral("CART.html"));
    nav->ToolBar1->button(QStringLiteral("back"))->trigger();
    EXPECT_EQ(shownPage(), QStringLiteral("CAR.html"));
    nav->ToolBar1->button(QStringLiteral("forward"))->trigger();
    EXPECT_EQ(shownPage(), QStringLiteral("CART.html"));
}

TEST_F(NavigatorTest, AMissingPublishFolderIsMadeAndAFailedWriteIsReportedOnce)
{
    open();
    ASSERT_TRUE(QDir(OntologyPublishFolder()).removeRecursively());
    nav->lblGoTo_Change(QStringLiteral("VAN"));
    EXPECT_TRUE(QFileInfo::exists(page("VAN")));

    // A file where the folder should be: nothing can be written there.
    ASSERT_TRUE(QDir(OntologyPublishFolder()).removeRecursively());
    QFile blocker(OntologyPublishFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const size_t before = boxes.asked().size();
    boxes.expect(QString());
    nav->lblGoTo_Change(QStringLiteral("CARGO"));
    EXPECT_EQ(boxes.asked().size(), before + 1);
    EXPECT_EQ(nav->selectedText(), QStringLiteral("CARGO"));
    EXPECT_EQ(shownPage(), QStringLiteral("VAN.html"));
    EXPECT_EQ(nav->mousePointer(), ui::MousePointer::Default);

    // Once the folder can be made again the view goes on as before.
    ASSERT_TRUE(QFile::remove(OntologyPublishFolder()));
    nav->lblGoTo_Change(QStringLiteral("CART"));
    EXPECT_EQ(shownPage(), QStringLiteral("CART.html"));

    // A new Name gives a new publish folder, made for the next page.
    OntologyInfo.Name = QStringLiteral("Renamed");
    nav->lblGoTo_Change(QStringLiteral("CARGO"));
    EXPECT_TRUE(QFileInfo::exists(QDir(dir.path()).filePath(QStringLiteral("Ontologies/Renamed-publish/CARGO.html"))));
    EXPECT_EQ(shownPage(), QStringLiteral("CARGO.html"));
    EXPECT_TRUE(nav->Browser->toPlainText().contains(QStringLiteral("CARGO")));

    // Without a selected node there is nothing to write again.
    nav->Tree1->setCurrentIndex({});
    EXPECT_FALSE(nav->ToolBar1->button(QStringLiteral("refresh"))->isEnabled());
    EXPECT_FALSE(nav->mnuFileRefresh->isEnabled());
}

TEST_F(NavigatorTest, HandedOverConceptsAreSelectedExactlyAndShown)
{
    open();
    const size_t before = boxes.asked().size();
    const struct Case {
        const char *conceptId;
        QStringList path;
    } cases[] = {
        {"CAR", {"ALL", "OBJECT", "CAR"}},
        {"AB", {"ALL", "EVENT", "AB"}},
        {"OBJECT", {"ALL", "OBJECT"}},
        {"car-part", {"ALL", "OBJECT", "CAR", "car-part"}},
        {"VAN", {"ALL", "OBJECT", "CAR", "VAN"}},
        {"VAN", {"ALL", "OBJECT", "CARGO", "VAN"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.conceptId);
        nav->lblGoTo_Change(QString::fromLatin1(c.conceptId));
        EXPECT_EQ(selectedPath(*nav), c.path);
        EXPECT_EQ(nav->Browser->currentPage().identifier, QString::fromLatin1(c.conceptId));
    }
    EXPECT_EQ(boxes.asked().size(), before);
    boxes.expect(QStringLiteral("String not found"));
    nav->lblGoTo_Change(QStringLiteral("GONE"));
    EXPECT_EQ(selectedPath(*nav), (QStringList{"ALL", "OBJECT", "CARGO", "VAN"}));
}

TEST_F(NavigatorTest, AClickOnAnotherNodeWhileALongPageComesShowsThatNodesPage)
{
    std::vector<std::pair<QString, QString>> links{{"BROAD", "OBJECT"}};
    for (int k = 0; k < 3000; ++k)
        links.emplace_back(QStringLiteral("B-%1").arg(k), QStringLiteral("BROAD"));
    addIsA(links);
    Node *object = openOnObject();
    ASSERT_TRUE(object);
    const Node *broad = nav->TreeModel->findChild(object, QStringLiteral("BROAD"));
    const Node *car = nav->TreeModel->findChild(object, QStringLiteral("CAR"));
    ASSERT_TRUE(broad && car);

    clickNode(*nav, broad);
    EXPECT_EQ(nav->Browser->currentPage().identifier, QStringLiteral("BROAD"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return nav->Browser->toPlainText().contains(QStringLiteral("B-0 ")); }));
    clickNode(*nav, car);
    expectCarsPageKept(QStringLiteral("B-0 "));

    // Shown again, it comes whole, its descendants set out below the table.
    clickNode(*nav, broad);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !nav->Browser->pageComing(); }, 60000));
    const QString text = nav->Browser->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("(3000 lines, set out below the table)")));
    EXPECT_TRUE(text.contains(QStringLiteral("B-999 ")));
    EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Default);
}

// A concept with many descendants, in levels of eight, below OBJECT, with the navigator
// open and the nodes BIG and CAR in sight.
class NavigatorBigPageTest : public NavigatorTest {
protected:
    const Node *big = nullptr, *car = nullptr;

    void SetUp() override
    {
        NavigatorTest::SetUp();
        std::vector<std::pair<QString, QString>> links{{"BIG", "OBJECT"}};
        for (int k = 1; k <= 12000; ++k)
            links.emplace_back(QStringLiteral("BIG-%1").arg(k), k <= 8 ? QStringLiteral("BIG") : QStringLiteral("BIG-%1").arg((k - 1) / 8));
        addIsA(links);
        Node *object = openOnObject();
        ASSERT_TRUE(object);
        big = nav->TreeModel->findChild(object, QStringLiteral("BIG"));
        car = nav->TreeModel->findChild(object, QStringLiteral("CAR"));
        ASSERT_TRUE(big && car);
        ASSERT_FALSE(QFileInfo::exists(page("BIG")));
    }
};

TEST_F(NavigatorBigPageTest, AMissingLongPageIsWrittenWithTheEventLoopTurningUnderTheHourglass)
{
    // A timer that fires at every turn of the event loop notes the pointer while the page
    // is not shown yet.
    int turnsBeforeShown = 0;
    std::vector<ui::MousePointer> pointers;
    QTimer turns;
    turns.setInterval(0);
    QObject::connect(&turns, &QTimer::timeout, [&] {
        if (nav->Browser->currentPage().identifier != QStringLiteral("BIG")) {
            ++turnsBeforeShown;
            pointers.push_back(ui::screenMousePointer());
        }
    });
    turns.start();
    clickNode(*nav, big);
    EXPECT_NE(nav->Browser->currentPage().identifier, QStringLiteral("BIG"));
    EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Hourglass);
    ASSERT_TRUE(QTest::qWaitFor([&] { return nav->Browser->currentPage().identifier == QStringLiteral("BIG"); }, 60000));
    EXPECT_GT(turnsBeforeShown, 1);
    EXPECT_EQ(std::count(pointers.begin(), pointers.end(), ui::MousePointer::Hourglass), qsizetype(pointers.size()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !nav->Browser->pageComing(); }, 60000));
    turns.stop();
    EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Default);
    // The page is the one publishing writes: every descendant, in order.
    const QString written = readAll(page("BIG"));
    nav->Browser->setPageFolder({});
    WriteConceptPage(QStringLiteral("BIG"), OntologyPublishFolder(), true, true, true, true);
    EXPECT_EQ(written, readAll(page("BIG")));
    EXPECT_TRUE(written.contains(QStringLiteral("BIG-12000.html")));
    EXPECT_TRUE(nav->Browser->toPlainText().contains(QStringLiteral("BIG-1 ")));
}

TEST_F(NavigatorBigPageTest, AClickOnAnotherNodeWhileALongPageIsWrittenShowsThatNodesPageOnly)
{
    clickNode(*nav, big);
    ASSERT_EQ(ui::screenMousePointer(), ui::MousePointer::Hourglass);
    clickNode(*nav, car);
    expectCarsPageKept(QStringLiteral("BIG-1 "));
    EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Default);
    EXPECT_FALSE(nav->Browser->canGoForward());
    nav->ToolBar1->button(QStringLiteral("back"))->trigger();
    EXPECT_NE(nav->Browser->currentPage().identifier, QStringLiteral("BIG"));
}

TEST_F(NavigatorBigPageTest, ClosingTheOntologyWhileALongPageIsWrittenEndsTheWriteQuietly)
{
    clickNode(*nav, big);
    ASSERT_EQ(ui::screenMousePointer(), ui::MousePointer::Hourglass);
    const size_t before = boxes.asked().size();
    main->mnuFileClose_Click();
    QTest::qWait(1000);
    EXPECT_EQ(boxes.asked().size(), before);
    EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Default);
}

TEST_F(NavigatorTest, TheFindBoxTakesIdentifierKeysAndSearchesFromThreeCharacters)
{
    open();
    focusFindBox(*nav);
    keys::type(QStringLiteral("ab c!"));
    EXPECT_EQ(nav->cbxFind->currentText(), QStringLiteral("AB-C"));
    EXPECT_TRUE(nav->ToolBar1->button(QStringLiteral("find"))->isEnabled());
    keys::pasteCtrlV(QStringLiteral("x_y!z"));
    EXPECT_EQ(nav->cbxFind->currentText(), QStringLiteral("AB-CX-YZ"));
    QApplication::clipboard()->clear();
    keys::press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("AB-CX-YZ"));

    boxes.expect(QStringLiteral("You must include at least three characters for your search"));
    search(QStringLiteral("VA"));
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Exclamation);

    // A child of the root in a fresh tree; a lower-case identifier under typed capitals.
    search(QStringLiteral("OBJ"));
    EXPECT_EQ(selectedPath(*nav), (QStringList{"ALL", "OBJECT"}));
    EXPECT_EQ(shownPage(), QStringLiteral("ALL.html")) << "a search selects without showing the page";
    search(QStringLiteral("CAR-P"));
    EXPECT_EQ(selectedPath(*nav), (QStringList{"ALL", "OBJECT", "CAR", "car-part"}));
    boxes.expect(QStringLiteral("String not found"));
    search(QStringLiteral("ZZZ"));
    // The history keeps texts as typed, after a look-up that found something.
    EXPECT_EQ(nav->findHistory(), (QStringList{"CAR-P", "OBJ"}));

    // A repeat finds the next node without a new look-up; a changed text looks up anew.
    search(QStringLiteral("CART"));
    EXPECT_TRUE(nav->ConceptsRevealed);
    keys::press(Qt::Key_Return);
    EXPECT_EQ(nav->selectedText(), QStringLiteral("CART"));
    keys::press(Qt::Key_Backspace);
    EXPECT_FALSE(nav->ConceptsRevealed);
}

TEST_F(NavigatorTest, EveryWayIntoTheFindBoxFollowsTheIdentifierRule)
{
    open();
    focusFindBox(*nav);
    keys::runKeyCases(nav->window(), nav->cbxFind, [this] { return nav->cbxFind->currentText(); },
                      [this](const QString &t) { nav->cbxFind->setEditText(t); }, keys::identifierKeyCases());

    // Typed, not set: Enter and keypad Enter search, as the toolbar's button does.
    for (const bool keypad : {false, true}) {
        SCOPED_TRACE(keypad ? "keypad Enter" : "Enter");
        focusFindBox(*nav);
        nav->cbxFind->clearEditText();
        keys::type(QStringLiteral("cart"));
        keypad ? keys::pressKeypadEnter() : keys::press(Qt::Key_Return);
        EXPECT_EQ(selectedPath(*nav), (QStringList{"ALL", "OBJECT", "CAR", "CART"}));
        nav->Tree1->setCurrentIndex(nav->TreeModel->indexOf(nav->RootNode));
    }
    boxes.expect(QStringLiteral("You must include at least three characters for your search"));
    focusFindBox(*nav);
    nav->cbxFind->clearEditText();
    keys::type(QStringLiteral("ca"));
    keys::pressKeypadEnter();

    // A text typed again as the history has it searches once, not once more as a pick.
    focusFindBox(*nav);
    nav->cbxFind->clearEditText();
    keys::type(QStringLiteral("van"));
    keys::press(Qt::Key_Return);
    const QStringList first = selectedPath(*nav);
    ASSERT_EQ(first.back(), QStringLiteral("VAN"));
    nav->cbxFind->clearEditText();
    keys::type(QStringLiteral("van"));
    keys::press(Qt::Key_Return);
    EXPECT_EQ(selectedPath(*nav), first + QStringList{"VAN-X"}) << "one step on from the first match";
}

TEST_F(NavigatorTest, KeepsItsGeometryWithDefaultsWhenAbsent)
{
    open();
    const QRect defaults(ui::twipsToPixels(1000), ui::twipsToPixels(1000), ui::twipsToPixels(6500), ui::twipsToPixels(6500));
    EXPECT_EQ(QRect(nav->window()->pos(), nav->window()->size()), defaults);
    nav->window()->move(120, 80);
    nav->window()->resize(600, 500);
    nav->mnuFileExit->trigger();
    EXPECT_TRUE(ui::forms().ofType<frmOntoNav>().empty());
    EXPECT_EQ(ui::GetSetting(ui::appTitle(), frmOntoNav::SettingsSection, QStringLiteral("MainWidth")),
              QString::number(ui::pixelsToTwips(600)));
    FormsCleanup::releaseUnloaded();
    open();
    EXPECT_EQ(QRect(nav->window()->pos(), nav->window()->size()), QRect(120, 80, 600, 500));
    // Closed while minimized, it keeps what it had saved before.
    nav->window()->showMinimized();
    nav->window()->resize(700, 550);
    nav->unload();
    EXPECT_EQ(ui::GetSetting(ui::appTitle(), frmOntoNav::SettingsSection, QStringLiteral("MainWidth")),
              QString::number(ui::pixelsToTwips(600)));
}

TEST_F(NavigatorTest, ANameThatCannotNameAFolderOpensTheWindowAndEachCommandThatWritesPagesSaysWhy)
{
    OntologyInfo.Name = QStringLiteral("Trees: old");  // as an older file may hold it
    const QString refused = QStringLiteral("\"Trees: old\" cannot be part of a folder name");
    const QDir beside = QFileInfo(OntologyPath).dir();
    const QStringList before = beside.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QStringList here = QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    boxes.expect(refused);
    open();
    EXPECT_FALSE(boxes.pending());
    EXPECT_TRUE(nav->isShown());
    nav->show();
    QApplication::setActiveWindow(nav->window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(nav->window()));
    struct Case {
        const char *what;
        std::function<void()> command;
    } cases[] = {
        {"publishing the whole ontology", [&] { nav->mnuPublishWhole->trigger(); }},
        {"writing the selected concept's page again", [&] { nav->ToolBar1->button(QStringLiteral("refresh"))->trigger(); }},
        {"showing a concept's page", [&] { clickNode(*nav, nav->TreeModel->top()); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        boxes.expect(refused);
        c.command();
        EXPECT_FALSE(boxes.pending());
    }
    EXPECT_EQ(beside.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), here);
    OntologyInfo.Name = QStringLiteral("Trees");
}
