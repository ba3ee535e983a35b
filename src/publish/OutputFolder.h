#pragma once
// The folders pages are written into, and the check made before a run writes any page:
// a folder that is missing is offered for creation, one that cannot take files is
// refused, so a run never stops half-way for a folder it could have been told about.

#include <QString>

// "<ontology's folder><Name>-publish", without a trailing separator (the dialogs show it
// with one); the termbase's is TermbasePublishFolder. A Name that would put the folder
// elsewhere gives a db::DbError.
QString OntologyPublishFolder();

// True when pages can be written into the folder, after asking to create it when it is
// missing; otherwise the user has been told why (the run must not start).
bool EnsureOutputFolder(const QString &folder, const QString &title);
