#include "PageView.h"

#include "PageFileNames.h"
#include "PageSetOut.h"
#include "ui/CommandBoundary.h"
#include "ui/MsgBox.h"
#include "ui/OpenOutside.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QSemaphore>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QThread>
#include <QTimer>
#include <atomic>

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

// A page file of this size or less is read and parsed on the spot, well within a tenth of
// a second; a longer one on a thread of its own.
constexpr qint64 ReadOnTheSpotBytes = 64 * 1024;
// The parts (PageSetOut.h) of the first piece, a screen and more of a long list, and of
// each piece after it: a piece is parsed while the one before it is added and laid out,
// which takes some 20 ms for 200 lines.
constexpr qsizetype FirstPieceParts = 150, PieceParts = 200;
// The blocks a page no longer shown loses at each step of taking it apart.
constexpr int DisposalStepBlocks = 5000;

// Read as a browser reads a page: by the charset it names, else as UTF-8.
QString readPage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(bytes);
}

bool holdsAnchor(const QTextDocument &document, const QString &name)
{
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(name))
                return true;
    return false;
}

// Deleting a document of a hundred thousand blocks at once holds the thread for a third
// of a second; so a page no longer shown loses its blocks from the end a step at a time,
// from the next turn of the event loop on, with nothing laid out as they go.
void disposeStepwise(QTextDocument *document)
{
    QTimer::singleShot(0, document, [document] {
        const int blocks = document->blockCount();
        if (blocks <= DisposalStepBlocks) {
            delete document;
            return;
        }
        document->setPageSize(QSizeF(0, 0));  // null: the layout does nothing as blocks go
        QTextCursor cursor(document);
        cursor.setPosition(document->findBlockByNumber(blocks - DisposalStepBlocks).position());
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        if (document->blockCount() >= blocks)  // the blocks of one table: they go at once
            delete document;
        else
            disposeStepwise(document);
    });
}

}  // namespace

// What a page on its way needs: read on the loader's thread, it is set out and parsed
// there, a piece at a time, into documents that live on the window's thread once handed
// over. `room` lets a piece be handed over only when the one before it is taken, so the
// window's event loop turns between pieces and the pieces parsed ahead stay few.
struct PageView::Coming {
    QString path, anchor;
    QUrl base;
    QFont font;
    QString styleSheet;
    std::atomic<bool> dropped{false};
    QSemaphore room{1};
    bool first = true;     // on the window's thread: the next piece taken is the first
    bool anchorFound = false;

    std::unique_ptr<QTextDocument> parsed(const QString &html) const
    {
        auto document = std::make_unique<QTextDocument>();
        document->setUndoRedoEnabled(false);
        document->setDefaultFont(font);
        document->setDefaultStyleSheet(styleSheet);
        document->setBaseUrl(base);
        document->setHtml(html);
        return document;
    }
    // Hands each piece to `deliver` in order, the last one marked; ends early when dropped.
    void produce(const std::function<void(std::unique_ptr<QTextDocument>, bool last)> &deliver) const
    {
        const QStringList parts = SetOutLongLists(WithBreakOpportunities(readPage(path)));
        qsizetype at = 0;
        qsizetype take = FirstPieceParts;
        while (!dropped) {
            const qsizetype end = std::min(parts.size(), at + take);
            QString html;
            for (; at < end; ++at)
                html += parts.at(at);
            deliver(parsed(html), at == parts.size());
            if (at == parts.size())
                return;
            take = PieceParts;
        }
    }
};

// A piece handed over: the document is deleted with it unless the view takes it.
struct PageView::Piece {
    QTextDocument *document = nullptr;
    bool last = false;
    ~Piece() { delete document; }
};

struct PageView::Loader {
    std::shared_ptr<Coming> coming;
    std::unique_ptr<QThread> thread;
};

QString WithBreakOpportunities(const QString &html)
{
    QString out;
    out.reserve(html.size() + html.size() / LongRunLength);
    qsizetype run = 0;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<')) {
            // A tag is copied whole; the title's text with it, since it is not laid out.
            const bool title = QStringView(html).mid(i, 6).compare(QLatin1String("<title"), Qt::CaseInsensitive) == 0;
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

PageView::~PageView()
{
    dropComing();
    for (const auto &loader : m_loaders) {
        loader->coming->dropped = true;
        loader->coming->room.release();
        loader->thread->wait();
    }
}

bool PageView::load(const Target &target, bool /*force: every page is read anew*/)
{
    if (m_beforeNavigate && !m_beforeNavigate(target))
        return false;
    startLoading(target);
    emit pageShown(target);
    return true;
}

void PageView::startLoading(const Target &target)
{
    dropComing();
    std::erase_if(m_loaders, [](const std::unique_ptr<Loader> &l) { return l->thread->isFinished(); });
    m_source = QUrl::fromLocalFile(target.path);
    if (!target.anchor.isEmpty())
        m_source.setFragment(target.anchor);
    // The hook may have asked something, so the pointer changes only now; it stays until
    // the first screen of the page is painted.
    m_hourglass.emplace(ui::MousePointer::Hourglass);
    auto coming = std::make_shared<Coming>();
    coming->path = target.path;
    coming->anchor = target.anchor;
    coming->base = m_source.adjusted(QUrl::RemoveFragment);
    coming->font = font();
    coming->styleSheet = document()->defaultStyleSheet();
    m_coming = coming;
    if (QFileInfo(target.path).size() <= ReadOnTheSpotBytes) {
        coming->produce([&](std::unique_ptr<QTextDocument> document, bool last) {
            auto piece = std::make_shared<Piece>();
            piece->document = document.release();
            piece->last = last;
            coming->room.acquire();
            takePiece(coming, piece);
        });
        return;
    }
    auto loader = std::make_unique<Loader>();
    loader->coming = coming;
    loader->thread.reset(QThread::create([this, coming] {
        coming->produce([&](std::unique_ptr<QTextDocument> document, bool last) {
            coming->room.acquire();
            if (coming->dropped)
                return;
            document->moveToThread(QCoreApplication::instance()->thread());
            auto piece = std::make_shared<Piece>();
            piece->document = document.release();
            piece->last = last;
            QMetaObject::invokeMethod(this, [this, coming, piece] { takePiece(coming, piece); }, Qt::QueuedConnection);
        });
    }));
    loader->thread->start();
    m_loaders.push_back(std::move(loader));
}

void PageView::takePiece(const std::shared_ptr<Coming> &coming, const std::shared_ptr<Piece> &piece)
{
    coming->room.release();
    if (coming != m_coming)
        return;  // a page asked for later dropped it
    QTextDocument *document = std::exchange(piece->document, nullptr);
    const bool holdsTheAnchor = !coming->anchor.isEmpty() && !coming->anchorFound && holdsAnchor(*document, coming->anchor);
    if (coming->first) {
        coming->first = false;
        document->setParent(this);  // images and the background are loaded through the view
        setPageDocument(document);
    } else {
        QTextCursor end(this->document());
        end.movePosition(QTextCursor::End);
        if (end.block().length() > 1)
            end.insertBlock();
        end.insertFragment(QTextDocumentFragment(document));
        delete document;
    }
    if (holdsTheAnchor) {
        coming->anchorFound = true;
        scrollToAnchor(coming->anchor);
    }
    if (m_hourglass) {
        if (isVisible())
            viewport()->repaint();
        m_hourglass.reset();
    }
    if (piece->last) {
        m_coming.reset();
        emit pageComplete();
    }
}

void PageView::dropComing()
{
    if (m_coming) {
        m_coming->dropped = true;
        m_coming->room.release();
        m_coming.reset();
    }
    m_hourglass.reset();
}

void PageView::setPageDocument(QTextDocument *document)
{
    // The document the browser made is deleted with the change; the pages are ours.
    QTextDocument *shown = this->document();
    const bool ours = shown && shown != document && shown->parent() == this;
    setDocument(document);
    if (ours)
        disposeStepwise(shown);
}

void PageView::setHtml(const QString &html)
{
    dropComing();
    auto *document = new QTextDocument(this);
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(font());
    setPageDocument(document);
    QTextBrowser::setHtml(html);
}

void PageView::setPlainText(const QString &text)
{
    setHtml({});
    QTextBrowser::setPlainText(text);
}

void PageView::clear() { setHtml({}); }

QMimeData *PageView::createMimeDataFromSelection() const
{
    const QChar breakOpportunity{ZeroWidthSpace};
    const QTextDocumentFragment selection = textCursor().selection();
    auto *data = new QMimeData;
    data->setText(selection.toPlainText().remove(breakOpportunity));
    data->setHtml(selection.toHtml().remove(breakOpportunity));
    return data;
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
    if (url.isRelative() && !m_source.isEmpty())
        url = m_source.resolved(url);
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
    // The browser's own idea of the page shown stays empty: the page's images resolve here.
    return QTextBrowser::loadResource(type, name.isRelative() && !m_source.isEmpty() ? m_source.resolved(name) : name);
}

PageView::Target PageView::currentPage() const
{
    return m_position >= 0 ? m_history[size_t(m_position)] : Target{};
}
