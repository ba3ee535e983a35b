#include "publish/PageView.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedOutsideOpens.h"
#include "support/TestFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A folder of pages: A links to B, to a page that is not written yet, to the web, to a
// program beside it and to a page in another folder.
struct PageFolder {
    TestFolder dir;
    QString pages;
    PageFolder()
    {
        QDir(dir.path()).mkpath(QStringLiteral("pub"));
        QDir(dir.path()).mkpath(QStringLiteral("other"));
        pages = dir.file(QStringLiteral("pub"));
        page(QStringLiteral("A.html"), "<a href = \"B.html\">B</a> <a href=\"C.html\">C</a> "
                                       "<a href=\"https://example.org/x\">web</a> <a href=\"run.sh\">run</a>");
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
    Fixture()
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
    QUrl link(const QString &href) const { return QUrl(href); }
};

}  // namespace

TEST(PageView, FollowsAPageLinkOfItsFolderWithBackAndForward)
{
    Fixture f;
    emit f.view.anchorClicked(f.view.source().resolved(QUrl(QStringLiteral("B.html"))));
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
    f.view.followLink(QUrl(QStringLiteral("C.html")));
    EXPECT_EQ(f.view.currentPage().identifier, QStringLiteral("C"));
    EXPECT_TRUE(f.view.toPlainText().contains(QStringLiteral("Written on demand")));
}

TEST(PageView, AHookThatRefusesKeepsThePageShown)
{
    Fixture f;
    f.view.setBeforeNavigate([](const PageView::Target &) { return false; });
    f.view.followLink(QUrl(QStringLiteral("B.html")));
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
        Fixture f;
        if (!c.told.isEmpty())
            f.boxes.expect(c.told);
        f.view.followLink(QUrl(c.href));
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
    f.view.followLink(QUrl(QStringLiteral("run.sh")));
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
