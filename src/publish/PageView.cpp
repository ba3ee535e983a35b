#include "PageView.h"

#include "PageFileNames.h"
#include "ui/CommandBoundary.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/OpenOutside.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

QString cleanFolder(const QString &folder)
{
    QString f = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    while (f.size() > 1 && f.endsWith(QLatin1Char('/')))
        f.chop(1);
    return f;
}

constexpr char16_t ZeroWidthSpace = 0x200B;

bool opensOutside(const QString &scheme)
{
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto");
}

}  // namespace

QString WithBreakOpportunities(const QString &html)
{
    QString out;
    out.reserve(html.size() + html.size() / LongRunLength);
    qsizetype run = 0;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<')) {
            // A tag is copied whole; the title's text with it, since it is not laid out.
            const bool title = html.mid(i, 6).compare(QLatin1String("<title"), Qt::CaseInsensitive) == 0;
            qsizetype end = title ? html.indexOf(QLatin1String("</title"), i, Qt::CaseInsensitive) : i;
            end = html.indexOf(QLatin1Char('>'), end < 0 ? i : end);
            if (end < 0)
                end = html.size() - 1;
            out += QStringView(html).mid(i, end - i + 1);
            i = end;
            continue;
        }
        if (c.isSpace()) {
            run = 0;
        } else if (++run > LongRunLength) {
            out += QChar(ZeroWidthSpace);
            run = 1;
        }
        if (c == QLatin1Char('&')) {
            // An entity is one character of the run, and is never cut.
            const qsizetype end = html.indexOf(QLatin1Char(';'), i);
            if (end > i && end - i <= 10) {
                out += QStringView(html).mid(i, end - i + 1);
                i = end;
                continue;
            }
        }
        out += c;
    }
    return out;
}

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

QVariant PageView::loadResource(int type, const QUrl &name)
{
    const QVariant resource = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::HtmlResource || resource.typeId() != QMetaType::QByteArray)
        return resource;
    // Read as the text browser reads a page: by the charset it names, else as UTF-8.
    const QByteArray bytes = resource.toByteArray();
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString html = decoder.decode(bytes);
    return WithBreakOpportunities(html);
}

PageView::Target PageView::currentPage() const
{
    return m_position >= 0 ? m_history[size_t(m_position)] : Target{};
}
