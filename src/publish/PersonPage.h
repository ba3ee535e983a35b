#pragma once
// The page of a responsible person in the termbase's back folder, "per-" and the page
// name of the alias: written with its record, so neither is left without the other.

#include "termbase/ElementStore.h"

#include <QString>

struct PersonFields {
    QString alias, name, role, email, phone, remarks;
};

// "per-<mapped alias>.html": the alias never leads out of the folder.
QString PersonPageFileName(const QString &alias);
// The page's text, every field escaped, each block ended by CR LF.
QByteArray PersonPageText(const PersonFields &person);
// Stores the person record under the container and writes its page into backFolder (made
// when missing). The page is put in place only with the record, and the record is kept
// only with its page. Returns the record's elemID.
qint64 StorePersonWithPage(qint64 containerID, const PersonFields &person, const QString &backFolder,
                           qint64 &lastElemID);
