#include "PageView.h"

#include "PageFileNames.h"
#include "ui/CommandBoundary.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/OpenOutside.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString cleanFolder(const QString &folder)
{
    QString f = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    while (f.size() > 1 && f.endsWith(QLatin1Char('/')))
        f.chop(1);
    return f;
}

bool opensOutside(const QString &scheme)
{
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto");
}

}  // namespace

PageView::PageView(QWidget *parent) : QTextBrowser(parent)
{
    // A page's layout is the costly part of showing it (a top concept's table holds a
    // link per descendant): with the scroll bar always there, the layout is done once,
    // not once more when a long page makes the bar appear and the text narrower.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Every link goes through followLink: the browser itself neither follows nor opens one.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, ui::command(this, [this](const QUrl &url) { followLink(url); }));
}

void PageView::setPageFolder(const QString &folder) { m_folder = folder.isEmpty() ? QString() : cleanFolder(folder); }

PageView::Target PageView::targetFor(const QString &path, const QString &anchor) const
{
    Target t;
    t.path = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    t.anchor = anchor;
    const QString name = QFileInfo(t.path).fileName();
    t.identifier = m_resolver ? m_resolver(name) : IdentifierFromPageFileName(name);
    return t;
}

bool PageView::isFolderPage(const QString &path) const
{
    const QFileInfo info(path);
    if (info.suffix() != QLatin1String("html"))
        return false;
    const QString folder = m_folder.isEmpty() ? cleanFolder(QFileInfo(currentPage().path).absolutePath()) : m_folder;
    return cleanFolder(info.absolutePath()) == folder;
}

bool PageView::load(const Target &target, bool force)
{
    if (m_beforeNavigate && !m_beforeNavigate(target))
        return false;
    QUrl url = QUrl::fromLocalFile(target.path);
    if (!target.anchor.isEmpty())
        url.setFragment(target.anchor);
    const bool samePage = source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment);
    {
        // A long page takes a while to lay out. The hook may have asked something, so
        // the pointer changes only now.
        const ui::MousePointerGuard hourglass(ui::MousePointer::Hourglass);
        if (force && samePage)
            QTextBrowser::reload();
        else
            setSource(url);
        if (samePage && !target.anchor.isEmpty())
            scrollToAnchor(target.anchor);
    }
    emit pageShown(target);
    return true;
}

void PageView::showPage(const QString &path, const QString &anchor)
{
    const Target target = targetFor(path, anchor);
    if (!load(target, true))
        return;
    m_history.resize(size_t(m_position + 1));
    m_history.push_back(target);
    m_position = qsizetype(m_history.size()) - 1;
    emit historyChanged(canGoBack(), canGoForward());
}

void PageView::showIdentifier(const QString &identifier)
{
    showPage(QDir(m_folder).filePath(PageFileName(identifier)));
}

void PageView::followLink(const QUrl &link)
{
    QUrl url = link;
    if (url.isRelative() && !source().isEmpty())
        url = source().resolved(url);
    const QString scheme = url.scheme().toLower();
    if (opensOutside(scheme)) {
        ui::openOutside(url);
        return;
    }
    if (scheme == QLatin1String("file") || scheme.isEmpty()) {
        const QString path = url.isLocalFile() ? url.toLocalFile() : url.path();
        if (path.isEmpty() || path == currentPage().path) {
            if (url.hasFragment())
                scrollToAnchor(url.fragment());
            return;
        }
        if (isFolderPage(path)) {
            showPage(path, url.fragment());
            return;
        }
    }
    tellLinkNotOpened(url);
}

void PageView::tellLinkNotOpened(const QUrl &url)
{
    // Named only: a file that is not a page may be a program, and nothing on a page runs.
    if (url.isLocalFile() || url.scheme().isEmpty()) {
        const QFileInfo file(url.isLocalFile() ? url.toLocalFile() : url.path());
        ui::msgBox(QStringLiteral("This link is not opened here. It leads to the file\r\n") + file.fileName() +
                       QStringLiteral("\r\nin the folder\r\n") + QDir::toNativeSeparators(file.absolutePath()),
                   ui::Buttons::Ok, ui::Icon::Information);
        return;
    }
    ui::msgBox(QStringLiteral("This link is not opened here:\r\n") + url.toDisplayString(), ui::Buttons::Ok,
               ui::Icon::Information);
}

void PageView::goBack()
{
    if (!canGoBack())
        return;
    if (load(m_history[size_t(m_position - 1)], true)) {
        --m_position;
        emit historyChanged(canGoBack(), canGoForward());
    }
}

void PageView::goForward()
{
    if (!canGoForward())
        return;
    if (load(m_history[size_t(m_position + 1)], true)) {
        ++m_position;
        emit historyChanged(canGoBack(), canGoForward());
    }
}

void PageView::reloadPage()
{
    if (m_position >= 0)
        load(m_history[size_t(m_position)], true);
}

PageView::Target PageView::currentPage() const
{
    return m_position >= 0 ? m_history[size_t(m_position)] : Target{};
}
