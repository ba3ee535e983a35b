#pragma once
// The one view that shows generated pages: the navigator, the termbase editor's browse
// mode and the data-category help each hold one (named `Browser`). It runs nothing that a
// page holds and follows links by one policy:
// - a link to an ".html" page in the page folder is shown here, after the hook;
// - an http, https or mailto link is handed to the system (ui::openOutside);
// - any other target (another file, another scheme) is only named in a message box.
//
//   Browser->setPageFolder(publishFolder);
//   Browser->setBeforeNavigate([](const PageView::Target &t) { if (missing) write t.identifier; return true; });
//   Browser->showIdentifier(concept);       // or showPage(path), showPage(path, anchor)
//   Browser->goBack(); Browser->goForward();
//
// The identifier of a page comes from the file-name mapping (PageFileNames.h); a window
// whose identifiers may be long enough to be shortened installs a resolver that looks
// them up (IdentifierForPageFile).
//
// A page is read, set out (PageSetOut.h) and parsed off the window's thread when it is
// long, a piece at a time: its first screen is shown under the hourglass, the rest follows
// while the windows go on working. A page asked for later drops the one still coming.

#include "ui/MousePointer.h"

#include <QTextBrowser>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A page's HTML as the view lays it out: every run of more than LongRunLength characters
// without a blank (a term of 100,000 letters, say) gets a zero-width break opportunity
// after every LongRunLength of them. The text layout looks for a word's end before each
// line it breaks out of the word, so an unbroken run costs the square of its length;
// broken up, it costs its length. Tags, entities and the title are left as they are, and
// so are words of ordinary length; the page file is not changed.
constexpr qsizetype LongRunLength = 100;
QString WithBreakOpportunities(const QString &html);

class PageView : public QTextBrowser {
    Q_OBJECT
public:
    struct Target {
        QString path;        // the page file
        QString identifier;  // what the page is of; empty when its name maps to none
        QString anchor;      // the fragment to scroll to, if any
    };
    // Runs before a page is shown (links, back, forward, showPage). Returning false keeps
    // the page that is shown. It may write the page file.
    using BeforeNavigate = std::function<bool(const Target &)>;
    using IdentifierResolver = std::function<QString(const QString &fileName)>;

    explicit PageView(QWidget *parent = nullptr);

    // The folder whose pages are followed in the view; links elsewhere are not.
    void setPageFolder(const QString &folder);
    QString pageFolder() const { return m_folder; }
    void setBeforeNavigate(BeforeNavigate hook) { m_beforeNavigate = std::move(hook); }
    void setIdentifierResolver(IdentifierResolver resolver) { m_resolver = std::move(resolver); }

    // Shows a page file of the folder and adds it to the history.
    void showPage(const QString &path, const QString &anchor = {});
    // Shows the page of an identifier: the page folder and its mapped file name.
    void showIdentifier(const QString &identifier);
    // What a click on the link does.
    void followLink(const QUrl &url);

    bool canGoBack() const { return m_position > 0; }
    bool canGoForward() const { return m_position + 1 < qsizetype(m_history.size()); }
    void goBack();
    void goForward();
    // Shows the current page again, read anew from its file (after the hook).
    void reloadPage();
    // The page shown; empty before the first.
    Target currentPage() const;

    // Whether the page asked for last is still coming in.
    bool pageComing() const { return m_coming != nullptr; }

    // Text of the program's own in place of a page; a page still coming is dropped.
    void setHtml(const QString &html);
    void setPlainText(const QString &text);
    void clear();

    // Keyboard back and forward of the text browser go through our own history.
    void backward() override { goBack(); }
    void forward() override { goForward(); }
    void reload() override { reloadPage(); }

    ~PageView() override;

protected:
    QVariant loadResource(int type, const QUrl &name) override;
    // Copy and drag give the text as stored, without the break opportunities.
    QMimeData *createMimeDataFromSelection() const override;

signals:
    void pageShown(const PageView::Target &target);
    // The page asked for last is whole.
    void pageComplete();
    void historyChanged(bool canGoBack, bool canGoForward);

private:
    struct Coming;
    struct Piece;
    void startLoading(const Target &target);
    void takePiece(const std::shared_ptr<Coming> &coming, const std::shared_ptr<Piece> &piece);
    void dropComing();
    void setPageDocument(QTextDocument *document);

    Target targetFor(const QString &path, const QString &anchor) const;
    bool isFolderPage(const QString &path) const;
    bool load(const Target &target, bool force);
    void tellLinkNotOpened(const QUrl &url);

    QString m_folder;  // absolute, clean, without trailing separator
    BeforeNavigate m_beforeNavigate;
    IdentifierResolver m_resolver;
    std::vector<Target> m_history;
    qsizetype m_position = -1;
    QUrl m_source;  // of the page shown or coming; relative links and images resolve against it
    std::shared_ptr<Coming> m_coming;
    struct Loader;
    std::vector<std::unique_ptr<Loader>> m_loaders;  // threads not yet ended, the dropped too
    std::optional<ui::MousePointerGuard> m_hourglass;  // until the first screen is painted
};
