#include "BatchNames.h"

#include "Global.h"

qsizetype AddBatchNames(const QStringList &concepts, const QString &lang, BatchNameForm form,
                        const BatchProgress &progress)
{
    const db::BulkCache cache(OntologyDB);
    db::Transaction tx(OntologyDB);
    db::Statement stored(OntologyDB, QStringLiteral("SELECT Concept FROM CONCEPTS WHERE Concept = ?"));
    db::Statement add(OntologyDB, QStringLiteral("INSERT INTO Names (Concept, Lang_ID, Name) VALUES (?, ?, ?)"));
    qsizetype added = 0;
    for (qsizetype i = 0; i < concepts.size(); ++i) {
        stored.bind(1, concepts.at(i));
        if (stored.step()) {
            // The identifier as the file holds it, whatever letter case the caller gave.
            const QString identifier = stored.column(0).toString();
            stored.reset();
            const QString name = form == BatchNameForm::SameAsIdentifier ? identifier : ConceptNameToLabel(identifier);
            add.bindAll({identifier, lang, name}).run();
            ++added;
        }
        if (progress)
            progress(i + 1);
    }
    tx.commit();
    return added;
}

qsizetype RemoveBatchNames(const QStringList &concepts, const QString &lang, const BatchProgress &progress)
{
    const db::BulkCache cache(OntologyDB);
    db::Transaction tx(OntologyDB);
    // "+Lang_ID" keeps the engine on the concept's index: the language's index would walk
    // every name of the language for each concept, which is quadratic over a big batch.
    db::Statement remove(OntologyDB, QStringLiteral("DELETE FROM Names WHERE Concept = ? AND +Lang_ID = ?"));
    qsizetype removed = 0;
    for (qsizetype i = 0; i < concepts.size(); ++i) {
        remove.bindAll({concepts.at(i), lang}).run();
        removed += OntologyDB.changes();
        if (progress)
            progress(i + 1);
    }
    tx.commit();
    return removed;
}
