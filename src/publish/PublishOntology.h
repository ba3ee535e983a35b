#pragma once
// Publishing a whole ontology into its publish folder: the page of every concept with all
// its Conceptual Structures, an index page that links every page, and a frame page that
// shows the index beside the pages (its main frame starts at the root concept's page),
// so that the folder can be browsed as it is or copied to a web server.

#include <QString>
#include <functional>

// The index and frame pages: the ontology's Name without surrounding blanks, in lower
// case, followed by "-index.html" and "-publish.html".
QString IndexPageFileName(const QString &ontologyName);
QString FramePageFileName(const QString &ontologyName);

// Writes the pages of the open ontology into folder, reading the hierarchy once. After
// each concept page progress is told how many of how many are written. A page that
// cannot be written ends the run with a db::DbError naming its concept; the pages
// written up to then stay, and the index and frame pages keep their old versions. An
// ontology Name that cannot be part of a file name is refused before anything is written.
void PublishOntology(const QString &folder, const std::function<void(qsizetype done, qsizetype total)> &progress);
