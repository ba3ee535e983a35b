#include "TermbaseSchema.h"

#include "ontology/Global.h"
#include "ontology/OntologySchema.h"
#include "ontology/SchemaFields.h"
#include "db/Cursor.h"

#include <QFile>
#include <algorithm>

using db::Field;
using db::FieldType;
using db::Index;
using namespace schema;

namespace {

Field elemID() { return of(QStringLiteral("elemID"), FieldType::Long); }
Index elemIDKey() { return primary(QStringLiteral("elemID"), {QStringLiteral("elemID")}); }

}  // namespace

QStringList termbaseTables()
{
    return {"CONCEPTS", "datcats", "datcats_names", "elements", "charsets", "date_values",
            "number_values", "picklist_values", "ref_values", "text_values", "elements_use_lang", "langs",
            "MetaData", "picklists", "pointers", "TE_CONCEPTS", "TERMS", "valid_families"};
}

db::Schema termbaseSchema()
{
    db::Schema s;
    s.tables = {
        {"CONCEPTS", {text("Concept", 255)}, {primary("Concept", {"Concept"})}},
        {"datcats",
         {text("categoryID", 10), text("GI_name", 15), text("type", 32), text("value_type", 9),
          of("needs_lang", FieldType::Boolean), of("forms_link", FieldType::Boolean), text("parentCatID", 10)},
         {primary("categoryID", {"categoryID"}), plain("parentCatID", {"parentCatID"})}},
        {"datcats_names",
         {text("categoryID", 10), text("langID", 3), text("name", 255)},
         {primary("cat-lang", {"categoryID", "langID"})}},
        {"elements",
         {elemID(), text("categoryID", 10), of("parentID", FieldType::Long)},
         {elemIDKey(), plain("categoryID", {"categoryID"}), plain("parentID", {"parentID"})}},
        {"charsets", {text("charsetID", 20), memo("description"), memo("wsd")}, {primary("charsetID", {"charsetID"})}},
        {"date_values", {elemID(), of("value", FieldType::Date)}, {elemIDKey()}},
        {"number_values", {elemID(), of("value", FieldType::Long)}, {elemIDKey()}},
        {"picklist_values", {elemID(), text("value", 255)}, {elemIDKey()}},
        {"ref_values", {elemID(), text("value", 255)}, {elemIDKey(), plain("value", {"value"})}},
        {"text_values", {elemID(), memo("value")}, {elemIDKey()}},
        {"elements_use_lang", {elemID(), text("langID", 3)}, {elemIDKey(), plain("langID", {"langID"})}},
        {"langs",
         {text("langID", 3), memo("description"), text("charsetID", 20), memo("wsd"), memo("collating_sequence"),
          memo("noise_list"), of("order", FieldType::Byte)},
         {primary("langID", {"langID"}), plain("charsetID", {"charsetID"})}},
        // The primary index keeps the name it has always had, langID, though it is on MetaID.
        {"MetaData",
         {counter("MetaID"), text("Name", 25), of("Created", FieldType::Date), of("Modified", FieldType::Date),
          text("Owner", 150, true), text("Author", 200, true), text("Contact", 150, true),
          text("Description", 255, true), text("Ontology", 255), text("DCLang", 3), text("DCList", 50),
          of("CSBrowser", FieldType::Boolean)},
         {primary("langID", {"MetaID"})}},
        {"picklists", {text("categoryID", 10), text("value", 255)}, {primary("elemID", {"categoryID", "value"})}},
        {"pointers",
         {elemID(), of("targetID", FieldType::Long)},
         {primary("elem-target", {"elemID", "targetID"}), plain("elemID", {"elemID"}), plain("targetID", {"targetID"})}},
        {"TE_CONCEPTS", {elemID(), text("Concept", 255)}, {elemIDKey()}},
        {"TERMS", {elemID(), memo("term"), text("langID", 3)}, {elemIDKey(), plain("langID", {"langID"})}},
        {"valid_families",
         {text("parentCategoryID", 10), text("childCategoryID", 10), text("occurrence", 1)},
         {primary("parent-child", {"parentCategoryID", "childCategoryID"})}},
    };
    s.relations = {
        {"elements-TERMS", "elements", "elemID", "TERMS", "elemID"},
        {"elements_TE_CONCEPTS", "elements", "elemID", "TE_CONCEPTS", "elemID"},
        {"Concepts-TE_CONCEPTS", "CONCEPTS", "Concept", "TE_CONCEPTS", "Concept"},
        {"elements-elements", "elements", "elemID", "elements", "parentID"},
        {"elements-pointers1", "elements", "elemID", "pointers", "elemID"},
        {"elements-pointers2", "elements", "elemID", "pointers", "targetID"},
        {"elements-numbers", "elements", "elemID", "number_values", "elemID"},
        {"elements-refs", "elements", "elemID", "ref_values", "elemID"},
        {"elements-texts", "elements", "elemID", "text_values", "elemID"},
        {"elements-dates", "elements", "elemID", "date_values", "elemID"},
        {"elements-picklists", "elements", "elemID", "picklist_values", "elemID"},
        {"elements-elements_use_lang", "elements", "elemID", "elements_use_lang", "elemID"},
        {"langs-elements_use_lang", "langs", "langID", "elements_use_lang", "langID"},
        {"langs-datcats_names", "langs", "langID", "datcats_names", "langID"},
        {"charsets-langs", "charsets", "charsetID", "langs", "charsetID"},
        {"datcats-elements", "datcats", "categoryID", "elements", "categoryID"},
        {"datcats-datcats_names", "datcats", "categoryID", "datcats_names", "categoryID"},
        {"datcats-datcats", "datcats", "categoryID", "datcats", "parentCatID"},
        {"datcats-valid_families1", "datcats", "categoryID", "valid_families", "parentCategoryID"},
        {"datcats-valid_families2", "datcats", "categoryID", "valid_families", "childCategoryID"},
        {"datcats-picklists", "datcats", "categoryID", "picklists", "categoryID"},
    };
    return s;
}

void CreateTermbaseSchema(const QString &path, const CopyProgress &progress)
{
    db::Database termbase = db::Database::create(path);  // 3204 when the file exists
    try {
        db::Transaction tx(termbase);
        db::createSchema(termbase, termbaseSchema());
        CopyResourceData(termbase, progress);
        CopyOntologyConcepts(termbase);
        tx.commit();
        termbase.close();
    } catch (...) {
        termbase.close();
        QFile::remove(path);
        throw;
    }
}

void CopyResourceData(db::Database &termbase, const CopyProgress &progress)
{
    // Character sets before languages, languages and categories before category
    // names, categories before elements, picklists and category pairs. The writing
    // system, collating sequence and noise list of a language are not copied.
    static const SeedTable tables[] = {
        {"charsets", {"charsetID", "description", "wsd"}},
        {"langs", {"langID", "description", "charsetID", "order"}},
        {"datcats", {"categoryID", "GI_name", "type", "value_type", "needs_lang", "forms_link", "parentCatID"}},
        {"datcats_names", {"categoryID", "langID", "name"}},
        {"elements", {"elemID", "categoryID", "parentID"}},
        {"picklists", {"categoryID", "value"}},
        {"valid_families", {"parentCategoryID", "childCategoryID", "occurrence"}},
    };
    db::Database res = openResourceDatabase();
    int counter = 0;
    for (const SeedTable &t : tables)
        CopySeedTable(termbase, res, t, [&] {
            counter = std::min(counter + 1, ResourceCopyMaximum);
            if (progress)
                progress(counter);
        });
    res.close();
}

void CopyOntologyConcepts(db::Database &termbase)
{
    // A plain statement pair rather than cursors: an ontology may hold a million
    // concepts, and the termbase needs only their identifiers.
    db::Statement read(OntologyDB, QStringLiteral("SELECT Concept FROM CONCEPTS WHERE Concept <> ?"));
    read.bind(1, RootConcept);
    db::Statement insert(termbase, QStringLiteral("INSERT INTO CONCEPTS (Concept) VALUES (?)"));
    while (read.step()) {
        insert.bind(1, read.column(0));
        insert.run();
    }
}
