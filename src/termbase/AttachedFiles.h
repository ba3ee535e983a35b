#pragma once
// Files kept in a termbase's back matter: attached files ("x5.5", under a container
// "x2") and context files ("x11.1", under "x11"). Each is recorded once by its bare file
// name and copied into the back and publish folders; the record and both copies agree
// after any failure, and after the program was stopped at any moment once the termbase
// is opened again.

#include <QString>
#include <QStringList>
#include <functional>
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
// Whether the file kept in a folder is the source itself (a link there never is).
bool IsOwnCopy(const QString &kept, const QString &source);
// Whether two files have the same contents.
bool SameContents(const QString &a, const QString &b);

// Copies source into both folders under its own name (the back folder's own copy is not
// copied onto itself) and records it under the container when it is not recorded yet.
// Returns the record's elemID.
//
// The copies are made under a name of their own beside their places (PartialCopySuffix
// while copying, ReadyCopySuffix once complete), the record is committed, and only then
// does each copy replace the old file in one rename. A failure before the commit drops
// the copies and leaves the old files and rows as they were. When a copy cannot take its
// place after the commit, a new record is taken back with the copies it brought; a file
// recorded before keeps its old copies, and the new ones wait, ready, for
// FinishInterruptedAttaches.
qint64 AttachFile(const QString &categoryID, qint64 containerID, const QString &source, const QString &backFolder,
                  const QString &publishFolder, qint64 &lastElemID);

// What an attach left when it was stopped half-way (the program killed, the machine
// gone): copies still under way are dropped; ready copies are put in place when their
// file is recorded and every copy of it was complete, and dropped otherwise. Run when a
// termbase is opened, before anything else touches its folders.
void FinishInterruptedAttaches(const QString &backFolder, const QString &publishFolder);

// The names a copy has in its folder before it takes its place; files named so cannot be
// attached, or they would be taken for such copies.
extern const QString PartialCopySuffix;
extern const QString ReadyCopySuffix;
bool IsCopyUnderWayName(const QString &fileName);

// The steps of an attach, in order, each announced to AttachStepObserver before it is
// taken: a test makes a step fail there, or takes a picture of the disk as a kill at that
// moment would leave it.
enum class AttachStep { CopyToBack, CopyToPublish, MarkReady, Record, Commit, PlaceInBack, PlaceInPublish };
extern std::function<void(AttachStep)> AttachStepObserver;
