#include "PageClicks.h"
#include "publish/PageView.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedOutsideOpens.h"
#include "support/TestFolder.h"
#include "publish/PageSetOut.h"
#include "support/UserKeys.h"
#include "ui/MousePointer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QDir>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

// A folder of pages: A links to B, to a page that is not written yet, to the web, to a
// program beside it and to a page in another folder.
struct PageFolder {
    TestFolder dir;
    QString pages;
    explicit PageFolder(const QByteArray &pageA = "<a href = \"B.html\">B</a> <a href=\"C.html\">C</a> "
                                                  "<a href=\"https://example.org/x\">web</a> <a href=\"run.sh\">run</a>")
    {
        QDir(dir.path()).mkpath(QStringLiteral("pub"));
        QDir(dir.path()).mkpath(QStringLiteral("other"));
        pages = dir.file(QStringLiteral("pub"));
        page(QStringLiteral("A.html"), pageA);
        page(QStringLiteral("B.html"), "<p>Page B</p>");
        page(QStringLiteral("run.sh"), "#!/bin/sh\necho ran > ran.txt\n");
        dir.write(QStringLiteral("other/D.html"), "<p>Page D</p>");
    }
    QString path(const QString &name) const { return QDir(pages).filePath(name); }
    void page(const QString &name, const QByteArray &html) const { dir.write(QStringLiteral("pub/") + name, html); }
};

struct Fixture {
    PageFolder folder;
    PageView view;
    ScriptedMessageBoxes boxes;
    ScriptedOutsideOpens outside;
    QStringList navigated;  // identifiers the hook saw
    explicit Fixture(const QByteArray &pageA = {}) : folder(pageA.isEmpty() ? PageFolder() : PageFolder(pageA))
    {
        view.setPageFolder(folder.pages);
        view.setBeforeNavigate([this](const PageView::Target &t) {
            navigated << t.identifier;
            if (!QFile::exists(t.path))  // as the navigator does: write the missing page
                folder.page(QFileInfo(t.path).fileName(), "<p>Written on demand</p>");
            return true;
        });
        view.showIdentifier(QStringLiteral("A"));
    }
    // A click on the link whose text is `text`, where the view shows it.
    void showView()
    {
        if (view.isVisible())
            return;
        view.resize(500, 400);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    void clickLink(const QString &text)
    {
        showView();
        clickPageLink(view, text);
    }
};

}  // namespace

TEST(PageView, FollowsAPageLinkOfItsFolderWithBackAndForward)
{
    Fixture f;
    f.clickLink(QStringLiteral("B"));
    EXPECT_EQ(f.view.currentPage().identifier, QStringLiteral("B"));
    EXPECT_TRUE(f.view.toPlainText().contains(QStringLiteral("Page B")));
    EXPECT_TRUE(f.view.canGoBack());
    EXPECT_FALSE(f.view.canGoForward());

    f.view.goBack();
    EXPECT_EQ(f.view.currentPage().identifier, QStringLiteral("A"));
    EXPECT_TRUE(f.view.canGoForward());
    f.view.goForward();
    EXPECT_EQ(f.view.currentPage().identifier, QStringLiteral("B"));
    // The hook ran before every page shown, back and forward included.
    EXPECT_EQ(f.navigated, (QStringList{"A", "B", "A", "B"}));
    EXPECT_TRUE(f.outside.opened.isEmpty());
}

TEST(PageView, TheHookWritesAMissingPageBeforeItIsShown)
{
    Fixture f;
    f.clickLink(QStringLiteral("C"));
    EXPECT_EQ(f.view.currentPage().identifier, QStringLiteral("C"));
    EXPECT_TRUE(f.view.toPlainText().contains(QStringLiteral("Written on demand")));
}

TEST(PageView, AHookThatRefusesKeepsThePageShown)
{
    Fixture f;
    f.view.setBeforeNavigate([](const PageView::Target &) { return false; });
    f.clickLink(QStringLiteral("B"));
    EXPECT_EQ(f.view.currentPage().identifier, QStringLiteral("A"));
    EXPECT_FALSE(f.view.canGoBack());
}

TEST(PageView, WebAndMailLinksOpenOutsideAndNothingElseDoes)
{
    struct Case {
        QString href;
        bool outside;
        QString told;  // part of the message that names the target; empty: none
    };
    const Case cases[] = {
        {"https://example.org/x", true, {}},
        {"http://example.org/", true, {}},
        {"mailto:someone@example.org", true, {}},
        {"run.sh", false, "run.sh"},
        {"../other/D.html", false, "D.html"},
        {"javascript:alert(1)", false, "javascript:alert(1)"},
        {"ftp://example.org/file", false, "ftp://example.org/file"},
        {"file:///bin/sh", false, "sh"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.href.toStdString());
        Fixture f("<a href=\"" + c.href.toUtf8() + "\">go</a>");
        if (!c.told.isEmpty())
            f.boxes.expect(c.told);
        f.clickLink(QStringLiteral("go"));
        if (c.outside)
            EXPECT_EQ(f.outside.opened, QList<QUrl>{QUrl(c.href)});
        else
            EXPECT_TRUE(f.outside.opened.isEmpty());
        EXPECT_EQ(f.view.currentPage().identifier, QStringLiteral("A"));
        EXPECT_EQ(f.navigated, QStringList{"A"});
        EXPECT_FALSE(f.boxes.pending());
    }
    EXPECT_FALSE(QFile::exists(PageFolder().path(QStringLiteral("ran.txt"))));
}

TEST(PageView, TellsTheFolderOfAFileItDoesNotOpen)
{
    Fixture f;
    f.boxes.expect(QStringLiteral("run.sh"));
    f.clickLink(QStringLiteral("run"));
    ASSERT_EQ(f.boxes.asked().size(), 1u);
    EXPECT_TRUE(f.boxes.asked().front().prompt.contains(QDir::toNativeSeparators(f.folder.pages)));
}

TEST(PageView, ReloadReadsThePageFileAnew)
{
    Fixture f;
    f.folder.page(QStringLiteral("A.html"), "<p>Rewritten</p>");
    f.view.reloadPage();
    EXPECT_TRUE(f.view.toPlainText().contains(QStringLiteral("Rewritten")));
}

namespace {

// A page like a concept's: a table whose DESCENDANTS cell holds `count` links, C-0 on.
QByteArray listPage(int count)
{
    QByteArray links;
    for (int i = 0; i < count; ++i)
        links += "<small><a href = \"C-" + QByteArray::number(i) + ".html\">C-" + QByteArray::number(i) + " </a> </small><br>";
    return "<html><body><table border=\"2\"><tr><td><strong>DESCENDANTS</strong></td><td>" + links +
           "</td></tr></table><hr><p>End of page</p></body></html>";
}

// Records the mouse pointer at each paint of the view.
struct PaintPointers : QObject {
    std::vector<ui::MousePointer> seen;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            seen.push_back(ui::screenMousePointer());
        return false;
    }
};

bool waitForWholePage(PageView &view) { return QTest::qWaitFor([&] { return !view.pageComing(); }, 60000); }

}  // namespace

TEST(PageView, ALongPageIsLaidOutUnderTheHourglass)
{
    // Read on the spot, and coming a piece at a time.
    for (const int lines : {300, 3000}) {
        SCOPED_TRACE(lines);
        Fixture f("<a href=\"LONG.html\">long</a>");
        f.folder.page(QStringLiteral("LONG.html"), listPage(lines));
        f.showView();
        PaintPointers paints;
        f.view.viewport()->installEventFilter(&paints);
        f.clickLink(QStringLiteral("long"));
        ASSERT_TRUE(waitForWholePage(f.view));
        QApplication::processEvents();
        ASSERT_FALSE(paints.seen.empty());
        EXPECT_EQ(paints.seen.front(), ui::MousePointer::Hourglass);
        EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Default);
        EXPECT_TRUE(f.view.toPlainText().contains(QStringLiteral("C-%1 ").arg(lines - 1)));
    }
}

TEST(PageView, ALongListComesAPieceAtATimeBelowItsTable)
{
    Fixture f("<a href=\"LONG.html\">long</a>");
    f.folder.page(QStringLiteral("LONG.html"), listPage(3000));
    f.showView();
    // What the view holds when the event loop first turns after the click.
    QString atFirstTurn;
    QTimer::singleShot(0, &f.view, [&] { atFirstTurn = f.view.toPlainText(); });
    f.clickLink(QStringLiteral("long"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !atFirstTurn.isNull(); }));
    EXPECT_FALSE(atFirstTurn.contains(QStringLiteral("C-2999 ")));
    ASSERT_TRUE(waitForWholePage(f.view));

    // The cell says where its lines went; they follow the table under the row's label, in
    // order, each a block of its own, and then the rest of the page.
    const QString text = f.view.toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("(3000 lines, set out below the table)")));
    const qsizetype label = text.indexOf(QStringLiteral("DESCENDANTS"), text.indexOf(QStringLiteral("below the table")));
    ASSERT_GT(label, 0);
    qsizetype at = label;
    for (int i = 0; i < 3000; ++i) {
        const qsizetype line = text.indexOf(QStringLiteral("\nC-%1 ").arg(i), at);
        ASSERT_GT(line, at) << i;
        at = line;
    }
    EXPECT_GT(text.indexOf(QStringLiteral("End of page")), at);
    EXPECT_EQ(f.view.document()->blockCount(), f.view.document()->findBlock(int(at)).blockNumber() + 4);

    // Its links lead where they did in the cell.
    f.clickLink(QStringLiteral("C-2999"));
    EXPECT_EQ(f.view.currentPage().identifier, QStringLiteral("C-2999"));
    EXPECT_TRUE(f.view.toPlainText().contains(QStringLiteral("Written on demand")));
}

TEST(PageView, APageAskedForWhileAnotherComesDropsIt)
{
    Fixture f("<a href=\"LONG.html\">long</a>");
    f.folder.page(QStringLiteral("LONG.html"), listPage(6000));
    f.showView();
    f.clickLink(QStringLiteral("long"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.view.toPlainText().contains(QStringLiteral("C-1 ")); }));
    ASSERT_TRUE(f.view.pageComing());
    f.clickLink(QStringLiteral("C-1"));
    EXPECT_FALSE(f.view.pageComing());
    // Long enough for the dropped page to have come whole.
    QTest::qWait(3000);
    EXPECT_EQ(f.view.currentPage().identifier, QStringLiteral("C-1"));
    EXPECT_EQ(f.view.toPlainText().trimmed(), QStringLiteral("Written on demand"));
    f.view.goBack();
    ASSERT_TRUE(waitForWholePage(f.view));
    EXPECT_TRUE(f.view.toPlainText().contains(QStringLiteral("C-5999 ")));

    // The long page, left, is taken apart and gone; the page shown stays whole.
    const QPointer<QTextDocument> left = f.view.document();
    ASSERT_GT(left->blockCount(), 6000);
    f.view.goForward();
    EXPECT_TRUE(QTest::qWaitFor([&] { return left.isNull(); }));
    EXPECT_EQ(f.view.toPlainText().trimmed(), QStringLiteral("Written on demand"));
}

TEST(PageView, CopyGivesTheTextAsStored)
{
    const QString term = QString(250, QLatin1Char('t'));
    const QString url = QStringLiteral("https://example.org/") + QString(150, QLatin1Char('u'));
    Fixture f(("<p>" + term + "</p><p><a href=\"" + url + "\">" + url + "</a></p>").toUtf8());
    f.showView();
    f.view.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == &f.view; }));
    // The view breaks the long runs where it lays them out.
    ASSERT_TRUE(f.view.toPlainText().contains(QChar(0x200B)));
    keys::press(Qt::Key_A, Qt::ControlModifier);
    keys::press(Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->text(), term + QStringLiteral("\n") + url);
    EXPECT_FALSE(copied->html().contains(QChar(0x200B)));
    EXPECT_TRUE(copied->html().contains(term));
}

TEST(PageView, LongCellsAreSetOutBelowTheOutermostTable)
{
    const auto lines = [](int count, const QString &sep) {
        QString out;
        for (int i = 0; i < count; ++i)
            out += QStringLiteral("L%1").arg(i) + sep;
        return out;
    };
    const auto setOut = [](int count) {
        QStringList out;
        for (int i = 0; i < count; ++i)
            out << QStringLiteral("<div>L%1</div>").arg(i);
        return out;
    };
    const QString n = QString::number(LongListLines);
    const QString note = QStringLiteral("<small>(") + n + QStringLiteral(" lines, set out below the table)</small>");
    const QString shortCell = lines(LongListLines - 1, "<br>");
    struct Case {
        const char *what;
        QString html;
        QStringList parts;
    } cases[] = {
        {"no table", "<p>a</p>", {"<p>a</p>"}},
        {"a cell of fewer lines", "<table><tr><td>X</td><td>" + shortCell + "</td></tr></table>end",
         {"<table><tr><td>X</td><td>" + shortCell + "</td></tr></table>end"}},
        {"a long cell under its row's label",
         "<p>top</p><table><tr><td><b>X</b></td><td>" + lines(LongListLines, "<br>") + "</td></tr></table><hr>",
         QStringList{"<p>top</p><table><tr><td><b>X</b></td><td>" + note + "</td></tr></table>", "<p><b>X</b></p>"} +
             setOut(LongListLines) + QStringList{"<hr>"}},
        {"upper case tags, breaks closed, blank lines left out",
         "<TABLE><TR><TD>X</TD><TD>" + lines(LongListLines, "<BR/>\r\n") + "<br></TD></TR></TABLE>",
         QStringList{"<TABLE><TR><TD>X</TD><TD><small>(" + n + " lines, set out below the table)</small></TD></TR></TABLE>",
                     "<p>X</p>"} +
             setOut(LongListLines) + QStringList{""}},
        {"a cell of a nested table, below the outer one",
         "<table><tr><td>O</td><td><table><tr><td>X</td><td>" + lines(LongListLines, "<br>") +
             "</td></tr></table></td></tr></table>",
         QStringList{"<table><tr><td>O</td><td><table><tr><td>X</td><td>" + note + "</td></tr></table></td></tr></table>",
                     "<p>X</p>"} +
             setOut(LongListLines) + QStringList{""}},
        {"two long cells, in their order",
         "<table><tr><td>X</td><td>" + lines(LongListLines, "<br>") + "</td></tr><tr><td>Y</td><td>" +
             lines(LongListLines, "<br>") + "</td></tr></table>",
         QStringList{"<table><tr><td>X</td><td>" + note + "</td></tr><tr><td>Y</td><td>" + note + "</td></tr></table>",
                     "<p>X</p>"} +
             setOut(LongListLines) + QStringList{"<p>Y</p>"} + setOut(LongListLines) + QStringList{""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SetOutLongLists(c.html), c.parts);
    }
}

TEST(PageView, OnlyRunsTooLongForALineGetBreakOpportunities)
{
    const QString zw(QChar(0x200B));
    const QString run100(LongRunLength, QLatin1Char('w'));
    const QString longHref = QStringLiteral("<a href=\"") + QString(300, QLatin1Char('h')) + QStringLiteral(".html\">");
    struct Case {
        const char *what;
        QString html;
        QString laidOut;
    } cases[] = {
        {"words of ordinary length", "<p>a few words</p>", "<p>a few words</p>"},
        {"a run of exactly the length", "<p>" + run100 + "</p>", "<p>" + run100 + "</p>"},
        {"a long run, broken after each length", "<b>" + run100 + run100 + "ww</b>", "<b>" + run100 + zw + run100 + zw + "ww</b>"},
        {"a blank ends a run", "<p>" + run100 + " " + run100 + "</p>", "<p>" + run100 + " " + run100 + "</p>"},
        {"a tag inside a run is no part of it", run100.left(50) + "<i>" + run100.left(50) + "</i>w",
         run100.left(50) + "<i>" + run100.left(50) + "</i>" + zw + "w"},
        {"an entity is one character, never cut", run100.left(99) + "&amp;w", run100.left(99) + "&amp;" + zw + "w"},
        {"a long attribute", longHref + "x</a>", longHref + "x</a>"},
        {"the title", "<TITLE>" + run100 + run100 + "</TITLE>", "<TITLE>" + run100 + run100 + "</TITLE>"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WithBreakOpportunities(c.html), c.laidOut);
    }
}
