// Attached and context files: picked in the file dialog, checked before anything is
// copied, then copied into the back and publish folders and recorded by name.

#include "frmTBEDitor.h"

#include "publish/PageFileNames.h"
#include "publish/PersonPage.h"
#include "termbase/AttachedFiles.h"
#include "termbase/DataCategories.h"
#include "termbase/Global.h"
#include "termbase/TermbasePaths.h"
#include "ui/App.h"
#include "ui/MsgBox.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString dialogFilter(const QString &categoryID)
{
    if (categoryID == QLatin1String("x11.1"))
        return QStringLiteral("KWIC files(*.cnc;*.dat;*txt;*.doc)") + QStringLiteral("|*.cnc;*.dat;*txt;*.doc|") +
               QStringLiteral("All Files(*.*)|*.*");
    return QStringLiteral("Graphics Files(*.gif;*.jpg;*jpeg;*.bmp;*.pcx;*.png)") +
           QStringLiteral("|*.gif;*.jpg;*jpeg;*.bmp;*.pcx;*.png|") +
           QStringLiteral("Sound Files(*.wav;*.au;*.mp3)|*.wav; *.au;*.mp3|") +
           QStringLiteral("Video Files(*.avi;*.mpg;*.mov)|*.avi;*.mpg;*.mov|") +
           QStringLiteral("Table Files(*.html;*.htm)|*.html;*.htm|") +
           QStringLiteral("Program Files(*.exe;*.com;*.bin)|*.exe;*.com;*.bin|") + QStringLiteral("All Files(*.*)|*.*");
}

}  // namespace

void frmTBEDitor::AddFileElement(const QString &categoryID)
{
    if (categoryID != QLatin1String("x5.5") && categoryID != QLatin1String("x11.1"))
        return;
    // Before the file is picked: a Name that names no folder of the termbase's own says so.
    const QString back = TermbaseBackFolder(), publish = TermbasePublishFolder();
    dlgCommonDialog.cancelError = true;
    dlgCommonDialog.filter = dialogFilter(categoryID);
    dlgCommonDialog.filterIndex = 1;
    dlgCommonDialog.defaultExt.clear();
    dlgCommonDialog.initDir = ui::appPath();
    dlgCommonDialog.fileName.clear();
    try {
        dlgCommonDialog.showOpen();
    } catch (const db::DbError &e) {
        dlgCommonDialog.fileName.clear();
        if (e.number() == db::err::DialogCancelled)
            return;  // Cancel: nothing copied, nothing said
        throw;
    }
    const QString source = dlgCommonDialog.fileName;
    dlgCommonDialog.fileName.clear();
    const QString name = QFileInfo(source).fileName();
    if (name.isEmpty())
        return;

    // Every check before anything is copied.
    const qint64 container = FileContainer(categoryID);
    if (container == 0) {
        ui::msgBox(QStringLiteral("Element not found. Critical Error. Please Report. Error Code TB003."), ui::Buttons::Ok,
                   ui::Icon::Critical);
        return;
    }
    const std::optional<FileRecord> known = FileRecordNamed(name);
    if (known && known->categoryID != categoryID) {
        ui::msgBox(QStringLiteral("A file named ") + name + QStringLiteral(" is kept already as ") +
                       GetDataCategoryName(known->categoryID) + QStringLiteral(". Rename the file to keep it as ") +
                       GetDataCategoryName(categoryID) + QStringLiteral("."),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    if (name.compare(QLatin1String("ontoback.jpg"), Qt::CaseInsensitive) == 0 ||
        !IdentifierForPageFile(TermbaseDB, name).isEmpty()) {
        ui::msgBox(QStringLiteral("A file named ") + name +
                       QStringLiteral(" would replace a page of the published termbase. Rename the file first."),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    // Attached files and the pages written beside them never take each other's place.
    if (IsPersonPageFileName(name)) {
        ui::msgBox(QStringLiteral("A file named ") + name +
                       QStringLiteral(" would take the place of a person's page, which the termbase keeps under "
                                      "such names. Rename the file first."),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    if (IsCopyUnderWayName(name)) {
        ui::msgBox(QStringLiteral("A file named ") + name + QStringLiteral(" cannot be kept: names ending in ") +
                       PartialCopySuffix + QStringLiteral(" or ") + ReadyCopySuffix +
                       QStringLiteral(" are those of copies not yet in place. Rename the file first."),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    const QString kept = QDir(back).filePath(name);
    if (QFileInfo::exists(kept) && !IsOwnCopy(kept, source) &&
        !SameContents(kept, source)) {
        const QStringList entries = known ? EntriesReferringTo(known->elemID) : QStringList();
        const QString referring = entries.isEmpty()
                                      ? QStringLiteral("No entry refers to it.")
                                      : QStringLiteral("Entries that refer to it: ") + entries.join(QStringLiteral(", ")) +
                                            QStringLiteral(".");
        if (ui::msgBox(QStringLiteral("A file named ") + name + QStringLiteral(" with other contents is kept already. ") +
                           referring + QStringLiteral("\r\nReplace it with the file picked?"),
                       ui::Buttons::YesNo, ui::Icon::Exclamation, QStringLiteral("Confirm overwrite")) != ui::Answer::Yes)
            return;
    }
    AttachFile(categoryID, container, source, back, publish, LastElemID);
}
