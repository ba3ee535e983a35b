#pragma once
// The page of a responsible person in the termbase's back folder, "per-" and the page
// name of the alias: written once its record is stored, never for a record that is not.

#include "termbase/ElementStore.h"

#include <QString>
#include <optional>

struct PersonFields {
    QString alias, name, role, email, phone, remarks;
};

// "per-<mapped alias>.html": the alias never leads out of the folder.
QString PersonPageFileName(const QString &alias);
// Whether a file of this name in the back folder could be a person's page, now or once a
// person of some alias is stored: "per-" and ".html", in any letter case, as file systems
// that ignore case would take it.
bool IsPersonPageFileName(const QString &fileName);
// The page's text, every field escaped, each block ended by CR LF.
QByteArray PersonPageText(const PersonFields &person);

struct PersonStored {
    qint64 elemID = 0;
    QString pageError;  // not empty: the record is stored, its page could not be put in place
};
// Stores the person record under the container and then writes its page into backFolder
// (made when missing). The page is written out beside its place first, so a page that
// cannot be written stores nothing; it takes its place only once the record is
// committed, so a record that fails leaves no page behind.
PersonStored StorePersonWithPage(qint64 containerID, const PersonFields &person, const QString &backFolder,
                                 qint64 &lastElemID);

// The alias and fields of a stored person record.
PersonFields ReadPersonFields(qint64 recordID);

// The stored person, other than exceptID, whose page would be the alias's page: on a disk
// that ignores letter case "jdoe" and "JDoe" are one page file, and so one alias.
std::optional<BackMatterRecord> PersonWithPageOf(const QString &alias, qint64 exceptID = 0);

struct PersonRenamed {
    bool renamed = false;  // false: the record has no text row, nothing changed
    QString pageError;     // not empty: renamed, its new page could not be put in place
};
// Gives the person record the alias and its page the new name: the page of the new alias
// is written beside its place before anything is stored (a page that cannot be written
// renames nothing), and the old alias's page goes once the rename is stored.
PersonRenamed RenamePersonWithPage(qint64 recordID, const QString &alias, const QString &backFolder);

// Writes the page of every stored person that has none in the back folder, as a stop
// between a person's commit and its page leaves it. DbError 75 when one cannot be written.
void WriteMissingPersonPages(const QString &backFolder);

// What a deletion took that the folders keep files for: the copies of a file record, in
// the back and publish folders, and a person's page. Each goes when no record left names
// it; a Name that names no folder of the termbase's own has none to remove.
void RemoveFilesOfDeleted(const ElementDeleted &deleted);
