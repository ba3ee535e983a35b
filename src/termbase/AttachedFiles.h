#pragma once
// Files kept in a termbase's back matter: attached files ("x5.5", under a container
// "x2") and context files ("x11.1", under "x11"). Each is recorded once by its bare file
// name and copied into the back and publish folders; the record and both copies are made
// together or not at all.

#include <QString>
#include <QStringList>
#include <optional>

struct FileRecord {
    qint64 elemID = 0;
    QString categoryID;
};

// The container a new file record of the category goes under (the last one, where a
// damaged file has several); 0 when the termbase has none.
qint64 FileContainer(const QString &categoryID);
// The record that holds the file name, of either kind.
std::optional<FileRecord> FileRecordNamed(const QString &fileName);
// The concepts of the entries whose elements refer to a file record.
QStringList EntriesReferringTo(qint64 recordID);
// Whether two files have the same contents.
bool SameContents(const QString &a, const QString &b);

// Copies source into both folders under its own name (the back folder's own copy is not
// copied onto itself) and records it under the container when it is not recorded yet.
// Returns the record's elemID. The copies are made beside their places first and put in
// place only once the record is written; on failure nothing is recorded and the copies
// made are removed.
qint64 AttachFile(const QString &categoryID, qint64 containerID, const QString &source, const QString &backFolder,
                  const QString &publishFolder, qint64 &lastElemID);
