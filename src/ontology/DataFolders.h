#pragma once
// Where the program keeps its files by default: the folders "Ontologies" and "TermBases".
// They live under the program's folder, as users expect; where that folder cannot hold
// them (an installed program usually sits in a folder only the administrator may
// write), they live under the user's own data folder instead.

#include <QString>

// Makes sure both folders exist and returns the folder that holds them: the program's
// folder when both can be made there and written, else the user's data folder. Folders
// that exist already are left alone. Neither place usable: DbError 75.
QString DataFolder();

// The two folders, in native form and ending in a separator (made when missing).
QString OntologiesFolder();
QString TermBasesFolder();

// The folder of a file, in native form and ending in a separator, so that a folder name
// can be appended to it ("<folder><Name>-publish").
QString FolderOf(const QString &path);
