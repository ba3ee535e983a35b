#include "AttachedFiles.h"

#include "ElementStore.h"
#include "Elements.h"
#include "Global.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// A copy beside its destination, put in place once everything else has succeeded.
struct PendingCopy {
    QString temporary;
    QString destination;
};

}  // namespace

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

bool SameContents(const QString &a, const QString &b)
{
    return QFileInfo(a).size() == QFileInfo(b).size() && digest(a) == digest(b);
}

qint64 AttachFile(const QString &categoryID, qint64 containerID, const QString &source, const QString &backFolder,
                  const QString &publishFolder, qint64 &lastElemID)
{
    const QString name = QFileInfo(source).fileName();
    std::vector<PendingCopy> copies;
    const auto dropCopies = [&] {
        for (const PendingCopy &c : copies)
            QFile::remove(c.temporary);
    };
    try {
        for (const QString &folder : {backFolder, publishFolder}) {
            if (!QDir().mkpath(folder))
                fail(QStringLiteral("The folder could not be made:"), folder);
            const QString destination = QDir(folder).filePath(name);
            // The back folder's own copy picked again is left where it is.
            if (QFileInfo(destination).canonicalFilePath() == QFileInfo(source).canonicalFilePath())
                continue;
            const QString temporary = destination + QStringLiteral(".lxpart");
            QFile::remove(temporary);
            if (!QFile::copy(source, temporary))
                fail(QStringLiteral("The file could not be copied to"), folder);
            copies.push_back({temporary, destination});
        }
        db::Transaction tx(TermbaseDB);
        qint64 record = 0;
        qint64 last = lastElemID;
        if (const std::optional<FileRecord> known = FileRecordNamed(name)) {
            record = known->elemID;
        } else {
            record = StoreFileRecord(containerID, categoryID, name, last);
        }
        for (const PendingCopy &c : copies) {
            QFile::remove(c.destination);
            if (!QFile::rename(c.temporary, c.destination))
                fail(QStringLiteral("The file could not be put in"), QFileInfo(c.destination).absolutePath());
        }
        tx.commit();
        lastElemID = last;
        return record;
    } catch (...) {
        dropCopies();
        throw;
    }
}
