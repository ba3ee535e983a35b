#include "AttachedFiles.h"

#include "ElementStore.h"
#include "Elements.h"
#include "Global.h"
#include "ontology/FileBeside.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <memory>

namespace {

QByteArray digest(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&f);
    return hash.result();
}

[[noreturn]] void fail(const QString &what, const QString &path)
{
    throw db::DbError(db::err::PathFileAccess, what + QStringLiteral(" ") + QDir::toNativeSeparators(path));
}

void announce(AttachStep step)
{
    if (AttachStepObserver)
        AttachStepObserver(step);
}

// A copy beside its destination, under its partial name while it is made and its ready
// name once it is complete.
struct PendingCopy {
    QString destination;
    AttachStep placing;
    QString partial() const { return destination + PartialCopySuffix; }
    QString ready() const { return destination + ReadyCopySuffix; }
};

}  // namespace

const QString PartialCopySuffix = QStringLiteral(".lxpart");
const QString ReadyCopySuffix = QStringLiteral(".lxready");
std::function<void(AttachStep)> AttachStepObserver;

bool IsCopyUnderWayName(const QString &fileName)
{
    return fileName.endsWith(PartialCopySuffix, Qt::CaseInsensitive) ||
           fileName.endsWith(ReadyCopySuffix, Qt::CaseInsensitive);
}

qint64 FileContainer(const QString &categoryID)
{
    const QString container = categoryID == QLatin1String("x11.1") ? QStringLiteral("x11") : QStringLiteral("x2");
    return TermbaseDB.scalar(QStringLiteral("SELECT elemID FROM elements WHERE categoryID = ? ORDER BY elemID DESC"), {container})
        .toLongLong();
}

std::optional<FileRecord> FileRecordNamed(const QString &fileName)
{
    db::Statement st(TermbaseDB, QStringLiteral("SELECT r.elemID, e.categoryID FROM ref_values r JOIN elements e "
                                                "ON e.elemID = r.elemID WHERE r.value = ? COLLATE BINARY ORDER BY r.elemID"));
    st.bind(1, fileName);
    if (!st.step())
        return std::nullopt;
    return FileRecord{st.column(0).toLongLong(), st.column(1).toString()};
}

QStringList EntriesReferringTo(qint64 recordID)
{
    QStringList out;
    db::Statement st(TermbaseDB, QStringLiteral("SELECT elemID FROM pointers WHERE targetID = ? ORDER BY elemID"));
    st.bind(1, recordID);
    while (st.step()) {
        const QString entry = GetEntryElement(st.column(0).toLongLong());
        if (!entry.isEmpty() && !out.contains(entry))
            out << entry;
    }
    return out;
}

bool IsOwnCopy(const QString &kept, const QString &source)
{
    // A link planted at the copy's name is no copy, wherever it points.
    const QFileInfo copy(kept);
    return copy.isFile() && !copy.isSymLink() && copy.canonicalFilePath() == QFileInfo(source).canonicalFilePath();
}

bool SameContents(const QString &a, const QString &b)
{
    return QFileInfo(a).size() == QFileInfo(b).size() && digest(a) == digest(b);
}

qint64 AttachFile(const QString &categoryID, qint64 containerID, const QString &source, const QString &backFolder,
                  const QString &publishFolder, qint64 &lastElemID)
{
    const QString name = QFileInfo(source).fileName();
    // Dropped with their files unless they took their places or wait, ready, for the next open.
    std::vector<std::unique_ptr<FileBeside>> copies;
    std::vector<AttachStep> placing;
    std::optional<FileRecord> known;
    qint64 record = 0;
    qint64 last = lastElemID;
    {
        const std::pair<QString, AttachStep> folders[] = {{backFolder, AttachStep::CopyToBack},
                                                          {publishFolder, AttachStep::CopyToPublish}};
        for (const auto &[folder, copying] : folders) {
            if (!QDir().mkpath(folder))
                fail(QStringLiteral("The folder could not be made:"), folder);
            const PendingCopy copy{QDir(folder).filePath(name),
                                   copying == AttachStep::CopyToBack ? AttachStep::PlaceInBack : AttachStep::PlaceInPublish};
            // The back folder's own copy picked again is left where it is.
            if (IsOwnCopy(copy.destination, source))
                continue;
            announce(copying);
            QFile::remove(copy.partial());
            QFile::remove(copy.ready());
            try {
                copies.push_back(std::make_unique<FileBeside>(copy.destination, copy.partial()));
                placing.push_back(copy.placing);
                copies.back()->copyFrom(source);
                copies.back()->close();
            } catch (const db::DbError &) {
                fail(QStringLiteral("The file could not be copied to"), folder);
            }
        }
        // Only complete copies are ever put in place, after a kill too.
        announce(AttachStep::MarkReady);
        for (const auto &c : copies)
            try {
                c->renameBeside(c->path() + ReadyCopySuffix);
            } catch (const db::DbError &) {
                fail(QStringLiteral("The file could not be copied to"), QFileInfo(c->path()).absolutePath());
            }
        db::Transaction tx(TermbaseDB);
        announce(AttachStep::Record);
        known = FileRecordNamed(name);
        record = known ? known->elemID : StoreFileRecord(containerID, categoryID, name, last);
        announce(AttachStep::Commit);
        tx.commit();
    }
    lastElemID = last;
    std::vector<QString> placed;
    try {
        for (size_t i = 0; i < copies.size(); ++i) {
            announce(placing[i]);
            try {
                copies[i]->place();
            } catch (const db::DbError &) {
                fail(QStringLiteral("The file could not be put in"), QFileInfo(copies[i]->path()).absolutePath());
            }
            placed.push_back(copies[i]->path());
        }
    } catch (...) {
        // A file recorded before keeps its row and its old copies; the new ones stay ready
        // and take their places when the termbase is opened again. A new record goes
        // again with the copies it brought, so no row is left without its file.
        if (known) {
            for (const auto &c : copies)
                c->keep();
        } else {
            db::Transaction undo(TermbaseDB);
            TermbaseDB.execute(QStringLiteral("DELETE FROM elements WHERE elemID = ?"), {record});
            undo.commit();
            for (const QString &p : placed)
                QFile::remove(p);
        }
        throw;
    }
    return record;
}

void FinishInterruptedAttaches(const QString &backFolder, const QString &publishFolder)
{
    struct Leftovers {
        QStringList partial, ready;  // the copies' full paths
    };
    QMap<QString, Leftovers> byName;  // by the name of the file they stand for
    for (const QString &folder : {backFolder, publishFolder}) {
        const QDir dir(folder);
        const QStringList found = dir.entryList({QLatin1Char('*') + PartialCopySuffix, QLatin1Char('*') + ReadyCopySuffix},
                                                QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &f : found) {
            const bool partial = f.endsWith(PartialCopySuffix, Qt::CaseInsensitive);
            const QString name = f.left(f.size() - (partial ? PartialCopySuffix : ReadyCopySuffix).size());
            (partial ? byName[name].partial : byName[name].ready) << dir.filePath(f);
        }
    }
    for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
        // The copies of an attach are all made complete before its record is committed:
        // a copy still under way means the attach never reached its commit, and a
        // replacement of a recorded file is then given up in both folders alike.
        const bool finish = it->partial.isEmpty() && FileRecordNamed(it.key()).has_value();
        for (const QString &p : it->partial)
            QFile::remove(p);
        for (const QString &r : it->ready) {
            if (!finish) {
                QFile::remove(r);
                continue;
            }
            // A copy that cannot be put in place now stays ready for the next open; the
            // termbase opens all the same, its old copy, if any, still in its place.
            RenameOver(r, r.left(r.size() - ReadyCopySuffix.size()));
        }
    }
}
