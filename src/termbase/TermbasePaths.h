#pragma once
// Where a termbase lives in the file system: its folder, the folders beside it, and
// the paths that bind it to its working ontology.

#include <QString>
#include <QStringList>

// The folder of a file, ending in a separator (what "<folder><Name>-publish" needs).
QString TermbaseFolderOf(const QString &path);

// The open termbase's folders beside its file, "<folder><Name>-back" and "-publish",
// without a trailing separator. A Name that would lead out of the folder, or that a folder
// name cannot hold, is a db::DbError (75) that says so: nothing is written elsewhere.
QString TermbaseBackFolder();
QString TermbasePublishFolder();

// Makes "<folder><name>-publish" and "<folder><name>-back" where they are missing and
// returns the folders it made. A name that cannot be part of a folder name is error 75
// at once; a folder that cannot be made is tried a few times, then error 75, after the
// folders made so far are removed again.
QStringList MakeTermbaseFolders(const QString &folder, const QString &name);

// Whether two paths name one file. Paths compare as the file system does on this
// platform: resolved to their canonical form (symbolic links, "." and ".." followed),
// then exactly, letter case included. An empty path names no file.
bool SameFile(const QString &a, const QString &b);

// Whether a path names the open ontology's file (OntologyPath), as SameFile tells.
bool IsWorkingOntology(const QString &ontologyPath);

// Whether a termbase at this path would lie in the open ontology's own folder, which is
// not allowed: the two kinds of file are kept in folders of their own.
bool IsInWorkingOntologyFolder(const QString &termbasePath);
