#include "PageClicks.h"
#include "publish/PageView.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedOutsideOpens.h"
#include "support/TestFolder.h"
#include "ui/MousePointer.h"

#include <QAbstractTextDocumentLayout>
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

TEST(PageView, ALongPageIsLaidOutUnderTheHourglass)
{
    QByteArray links;
    for (int i = 0; i < 300; ++i)
        links += "<small><a href = \"C-" + QByteArray::number(i) + ".html\">C-" + QByteArray::number(i) + " </a> </small><br>";
    Fixture f("<a href=\"LONG.html\">long</a>");
    f.folder.page(QStringLiteral("LONG.html"), "<table border=\"2\"><tr><td>DESCENDANTS</td><td>" + links + "</td></tr></table>");
    f.showView();
    std::vector<ui::MousePointer> seen;
    QObject::connect(f.view.document()->documentLayout(), &QAbstractTextDocumentLayout::update, &f.view,
                     [&] { seen.push_back(ui::screenMousePointer()); });
    f.clickLink(QStringLiteral("long"));
    QApplication::processEvents();
    ASSERT_FALSE(seen.empty());
    for (const ui::MousePointer p : seen)
        EXPECT_EQ(p, ui::MousePointer::Hourglass);
    EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Default);
    EXPECT_TRUE(f.view.toPlainText().contains(QStringLiteral("C-299")));
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
