#include "frmDirSel.h"

#include "ui/FileDialog.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withoutTrailingSeparator(const QString &folder)
{
    QString f = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    return QDir::toNativeSeparators(f);
}

// Where the dialog opens: the folder itself when it exists, else the nearest one above.
QString existingFolderAtOrAbove(const QString &folder)
{
    const QString cleaned = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    if (cleaned.isEmpty())
        return QDir::homePath();
    QString path = QFileInfo(cleaned).absoluteFilePath();
    while (!QFileInfo(path).isDir()) {
        const QString up = QFileInfo(path).absolutePath();
        if (up == path)
            break;
        path = up;
    }
    return path;
}

}  // namespace

frmDirSel::frmDirSel(const QString &folder) : m_folder(withoutTrailingSeparator(folder)) {}

bool frmDirSel::show()
{
    ui::CommonDialog dialog;
    dialog.dialogTitle = QStringLiteral("Folder Selection");
    dialog.initDir = existingFolderAtOrAbove(m_folder);
    if (!dialog.showFolder())
        return false;
    m_folder = withoutTrailingSeparator(dialog.fileName);
    return true;
}
