#include "TermbaseFile.h"

#include "AttachedFiles.h"
#include "DataCategories.h"
#include "MetaData.h"
#include "TermbasePaths.h"
#include "TermbaseSchema.h"
#include "ontology/FileBeside.h"
#include "ontology/FolderName.h"

namespace {

const QString elemIDIndex = QStringLiteral("elemID");

db::TableCursor onElemID(const QString &table) { return db::TableCursor(TermbaseDB, table, elemIDIndex); }

}  // namespace

qint64 OpenElementsTable()
{
    RSElements.emplace(onElemID(QStringLiteral("elements")));
    if (RSElements->eof())
        return 0;
    RSElements->moveLast();  // the index orders by elemID: the last row has the highest
    const qint64 last = RSElements->field(elemIDIndex).toLongLong();
    RSElements->moveFirst();
    return last;
}

db::TableCursor OpenConceptTables()
{
    db::TableCursor concepts(TermbaseDB, QStringLiteral("CONCEPTS"), QStringLiteral("Concept"));
    RSTEConcepts.emplace(onElemID(QStringLiteral("TE_CONCEPTS")));
    return concepts;
}

db::TableCursor OpenTermsTable() { return onElemID(QStringLiteral("TERMS")); }
void OpenElementsUseLangTable() { RSElementsUseLang.emplace(onElemID(QStringLiteral("elements_use_lang"))); }
void OpenRefValuesTable() { RSRefValues.emplace(onElemID(QStringLiteral("ref_values"))); }
void OpenPointersTable() { RSPointers.emplace(onElemID(QStringLiteral("pointers"))); }
void OpenTextValuesTable() { RSTextValues.emplace(onElemID(QStringLiteral("text_values"))); }

qint64 CountElements(const QString &categoryID)
{
    return TermbaseDB.scalar(QStringLiteral("SELECT count(*) FROM elements WHERE categoryID = ?"), {categoryID})
        .toLongLong();
}

db::QueryCursor OpenConceptListCursor()
{
    return db::QueryCursor::dynaset(TermbaseDB, QStringLiteral("SELECT * FROM CONCEPTS ORDER BY Concept"));
}

db::QueryCursor OpenLanguagesCursor()
{
    return db::QueryCursor::dynaset(TermbaseDB, QStringLiteral("SELECT * FROM langs ORDER BY langs.\"order\""));
}

OpenedTermbase OpenTermbaseFile(QString path)
{
    if (TermbaseDB.isOpen())
        throw db::DbError(db::err::Engine, QStringLiteral("Another termbase is open: close it first."));
    OpenedTermbase opened;
    try {
        TermbaseDB = db::Database::open(path, {false, false, {}, termbaseTables()});
        ReadTermbaseMetaData(TermbaseInfo);
        if (!IsWorkingOntology(TermbaseInfo.Ontology)) {
            opened.refused = true;
            opened.workingOntology = TermbaseInfo.Ontology;
            ReleaseTermbase();
            return opened;
        }
        // Before anything reads its concepts.
        opened.repaired = BringTermbaseInStep(TermbaseDB, path);
        TermbasePath = path;
        TermbaseFolder = TermbaseFolderOf(path);
        TermbaseInfo.Modified = QDate::currentDate();
        // A Name that names no folder of the file's own leaves nothing to finish: nothing
        // outside the file's folder is scanned or deleted.
        if (IsValidFolderName(TermbaseInfo.Name)) {
            FinishInterruptedAttaches(TermbaseBackFolder(), TermbasePublishFolder());
            RemoveLeftoverFilesBeside(TermbaseBackFolder());
        }
        opened.LastElemID = OpenElementsTable();
        opened.RSConcepts.emplace(OpenConceptTables());
        opened.RSTerms.emplace(OpenTermsTable());
        OpenElementsUseLangTable();
        opened.dataCategoriesNamed = LoadDataCategoryTable();
        OpenRefValuesTable();
        OpenPointersTable();
        OpenTextValuesTable();
        opened.EntryCount = CountElements(QStringLiteral("0.3"));
        opened.TermCount = CountElements(QStringLiteral("1"));
    } catch (...) {
        ReleaseTermbase();
        throw;
    }
    return opened;
}

void ReleaseTermbase()
{
    RSElements.reset();
    RSTEConcepts.reset();
    RSElementsUseLang.reset();
    RSRefValues.reset();
    RSPointers.reset();
    RSTextValues.reset();
    RSDatCats.reset();
    DCTable.clear();
    TermbaseDB.close();
    TermbasePath.clear();
    TermbaseFolder.clear();
    TermbaseInfo = TermbaseInfoRecord();
}

void CloseTermbaseFile()
{
    try {
        WriteTermbaseMetaData();
    } catch (...) {
        ReleaseTermbase();
        throw;
    }
    ReleaseTermbase();
}
