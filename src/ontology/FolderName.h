#pragma once
// The Name of an ontology or a termbase becomes part of the names of its folders
// ("<Name>-publish", "<Name>-back") beside the file. A name that a file name cannot
// hold would put those folders elsewhere, or make them fail; the properties dialogs
// refuse it, and the code that makes the folders checks again.

#include "db/Error.h"

#include <QString>

// False for the empty name, a name of dots only, and a name holding a path separator,
// a character that file names on common systems refuse (: * ? " < > |) or a control
// character.
inline bool IsValidFolderName(const QString &name)
{
    if (name.isEmpty())
        return false;
    bool dotsOnly = true;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c))
            return false;
        dotsOnly = dotsOnly && c == QLatin1Char('.');
    }
    return !dotsOnly;
}

// The folder "<folder><name><suffix>" beside a file ("-publish", "-back"): always a
// direct child of folder. A Name that IsValidFolderName refuses ("../Evil", "a/b", "..",
// an absolute path) gives a db::DbError (75) that says so instead.
inline QString FolderBesideFile(const QString &folder, const QString &name, const QString &suffix)
{
    if (!IsValidFolderName(name))
        throw db::DbError(db::err::PathFileAccess,
                          QStringLiteral("Path/File access error: \"%1\" cannot be part of a folder name. "
                                         "Give it another Name in its properties.")
                              .arg(name));
    return folder + name + suffix;
}
