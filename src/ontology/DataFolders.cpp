#include "DataFolders.h"

#include "db/Error.h"
#include "ui/App.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString Ontologies = QStringLiteral("Ontologies");
const QString TermBases = QStringLiteral("TermBases");

bool holdsBothFolders(const QString &base)
{
    if (base.isEmpty())
        return false;
    QDir dir(base);
    for (const QString &sub : {Ontologies, TermBases}) {
        if (!dir.mkpath(sub))
            return false;
        const QFileInfo info(dir.filePath(sub));
        if (!info.isDir() || !info.isWritable())
            return false;
    }
    return true;
}

QString nativeFolder(const QString &sub)
{
    return QDir::toNativeSeparators(QDir(DataFolder()).filePath(sub)) + QDir::separator();
}

}  // namespace

QString DataFolder()
{
    const QString program = ui::appPath();
    if (holdsBothFolders(program))
        return program;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (holdsBothFolders(user))
        return user;
    throw db::DbError(db::err::PathFileAccess,
                      QStringLiteral("Path/File access error: the folders %1 and %2 can be made neither in %3 nor in %4.")
                          .arg(Ontologies, TermBases, QDir::toNativeSeparators(program), QDir::toNativeSeparators(user)));
}

QString OntologiesFolder() { return nativeFolder(Ontologies); }
QString TermBasesFolder() { return nativeFolder(TermBases); }

QString FolderOf(const QString &path)
{
    QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (!folder.endsWith(QDir::separator()))  // a root ends in one already
        folder += QDir::separator();
    return folder;
}
