#pragma once
// Opening a synthetic ontology (see make_ontology.cpp) for a benchmark. The generator
// writes no properties row, and a file opens only with one: it is added when missing.

#include "ontology/Global.h"
#include "ontology/OntologyFile.h"

#include <QDate>
#include <QFileInfo>

namespace bench {

inline void ensureProperties(const QString &file)
{
    OntologyDB = db::Database::open(file);
    OntologyInfoRecord info;
    if (!ReadOntologyMetaData(info)) {
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        WriteOntologyMetaData(NewOntologyInfo({"Bench", today, today, {}, {}, {}, {}}));
    }
    OntologyDB.close();
}

// Opens the file as the main window does, without the window: the shared state is set.
inline void openOntology(const QString &file)
{
    ensureProperties(file);
    OpenOntologyDatabase(file);
    OntologyPath = file;
    OntologyFolder = QFileInfo(file).absolutePath() + QLatin1Char('/');
    RootConcept = FindRootConcept();
}

}  // namespace bench
