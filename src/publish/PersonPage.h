#pragma once
// The page of a responsible person in the termbase's back folder, "per-" and the page
// name of the alias: written once its record is stored, never for a record that is not.

#include "termbase/ElementStore.h"

#include <QString>

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
