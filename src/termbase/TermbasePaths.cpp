#include "TermbasePaths.h"

#include "Global.h"
#include "db/Error.h"
#include "ontology/FolderName.h"
#include "ontology/Global.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {

// A path as the file system knows it; a file that is not there compares by its
// cleaned absolute path.
QString canonical(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    const QString c = info.canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : c;
}

db::DbError pathError(const QString &what)
{
    return db::DbError(db::err::PathFileAccess, QStringLiteral("Path/File access error: %1").arg(what));
}

// A folder that cannot be made may be a passing condition (a share that wakes up, a
// virus scanner holding the parent); a lasting one must not hold the window.
void makeFolder(const QString &path)
{
    constexpr int attempts = 3;
    for (int i = 0; i < attempts; ++i) {
        if (QDir().mkdir(path) && QFileInfo(path).isDir())
            return;
        if (i + 1 < attempts)
            QThread::msleep(50);
    }
    throw pathError(path);
}

}  // namespace

QString TermbaseFolderOf(const QString &path)
{
    return QFileInfo(path).absolutePath() + QLatin1Char('/');
}

QString TermbaseBackFolder() { return FolderBesideFile(TermbaseFolder, TermbaseInfo.Name, QStringLiteral("-back")); }

QString TermbasePublishFolder() { return FolderBesideFile(TermbaseFolder, TermbaseInfo.Name, QStringLiteral("-publish")); }

QStringList MakeTermbaseFolders(const QString &folder, const QString &name)
{
    QStringList made;
    try {
        for (const char *suffix : {"-publish", "-back"}) {
            const QString path = FolderBesideFile(folder, name, QLatin1String(suffix));
            if (QFileInfo(path).isDir())
                continue;
            makeFolder(path);
            made << path;
        }
    } catch (...) {
        for (const QString &path : made)
            QDir().rmdir(path);
        throw;
    }
    return made;
}

bool SameFile(const QString &a, const QString &b)
{
    return !a.isEmpty() && canonical(a) == canonical(b);
}

bool IsWorkingOntology(const QString &ontologyPath) { return SameFile(ontologyPath, OntologyPath); }

bool IsInWorkingOntologyFolder(const QString &termbasePath)
{
    return canonical(QFileInfo(termbasePath).absolutePath()) == canonical(QFileInfo(OntologyPath).absolutePath());
}
