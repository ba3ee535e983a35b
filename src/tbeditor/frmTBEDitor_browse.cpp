// Browse mode: an entry's page, or an attached file, in the page view. Nothing shown
// here is ever run: pictures, HTML tables and plain text are shown as they are, any
// other file only by its name and folder.

#include "frmTBEDitor.h"

#include <QFile>
#include <QFileInfo>
#include "publish/HTMLStuff.h"
#include "publish/OutputFolder.h"
#include "publish/PageFileNames.h"
#include "publish/PageView.h"
#include "termbase/Global.h"
#include "termbase/TermbasePaths.h"

#include <QDir>
#include <QUrl>

namespace {

enum class FileView { Picture, Page, Text, NameOnly };

FileView viewOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    static const QStringList pictures = {"png", "jpg", "jpeg", "gif", "bmp", "svg"};
    static const QStringList pages = {"htm", "html"};
    static const QStringList texts = {"txt", "text", "csv"};
    if (pictures.contains(suffix))
        return FileView::Picture;
    if (pages.contains(suffix))
        return FileView::Page;
    if (texts.contains(suffix))
        return FileView::Text;
    return FileView::NameOnly;
}

}  // namespace

void frmTBEDitor::showFileInBrowser(const QString &path)
{
    const QFileInfo file(path);
    switch (viewOf(path)) {
    case FileView::Picture:
        Browser->setHtml(QStringLiteral("<img src=\"") + QUrl::fromLocalFile(file.absoluteFilePath()).toString().toHtmlEscaped() +
                         QStringLiteral("\">"));
        break;
    case FileView::Page:
        Browser->showPage(file.absoluteFilePath());
        break;
    case FileView::Text: {
        QFile text(path);
        if (text.open(QIODevice::ReadOnly))
            Browser->setPlainText(QString::fromUtf8(text.readAll()));
        break;
    }
    case FileView::NameOnly:
        Browser->setHtml(QStringLiteral("<p>") + file.fileName().toHtmlEscaped() + QStringLiteral("</p><p>") +
                         file.absolutePath().toHtmlEscaped() + QStringLiteral("</p>"));
        break;
    }
}

void frmTBEDitor::showEntryPageOf(const QModelIndex &node, qint64 clickedID)
{
    const QString folder = TermbasePublishFolder();
    const QString entryName = Tree1Nodes->text(node);
    const QString page = QDir(folder).filePath(PageFileName(entryName));
    // A page written before is shown as it is; Refresh writes it anew.
    if (!QFileInfo::exists(page)) {
        QDir().mkpath(folder);  // the folder goes with the termbase's Name, which may have changed
        WriteTermEntryPage(entryName, clickedID, folder, TermbaseInfo.CSBrowser, true, true, true, true);
    }
    Browser->showPage(page);
}
