#pragma once
// Opening a synthetic ontology (see make_ontology.cpp) for a benchmark, and reading the
// concepts the generator named for the benchmarks. The generator writes no properties
// row, and a file opens only with one: it is added when missing.

#include "ontology/Global.h"
#include "ontology/OntologyFile.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace bench {

// The "<name> <concept>" lines the generator writes beside the file; empty when the file
// is missing.
inline QHash<QString, QString> readTargets(const QString &targetsFile)
{
    QHash<QString, QString> targets;
    QFile f(targetsFile);
    if (f.open(QIODevice::ReadOnly | QIODevice::Text))
        for (const QByteArray &line : f.readAll().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 2)
                targets.insert(QString::fromUtf8(parts[0]), QString::fromUtf8(parts[1]));
        }
    return targets;
}

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
