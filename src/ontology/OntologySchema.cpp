#include "OntologySchema.h"

#include "Global.h"
#include "SchemaFields.h"
#include "db/Cursor.h"
#include "ui/App.h"

#include <QDir>
#include <QFile>

using db::FieldType;
using namespace schema;

QStringList ontologyTables()
{
    return {"CONCEPTS", "Names", "Languages", "TermBases", "ISA", "ATTRIBUTES",
            "RELATIONS", "INVERSES", "Notes", "MetaData", "Subsets", "Inherit"};
}

db::Schema ontologySchema()
{
    db::Schema s;
    s.tables = {
        // The lists that choose by type read each type in identifier order from this
        // index alone, without the rows.
        {"CONCEPTS",
         {text("Concept", 255), memo("Definition"), of("Type", FieldType::Byte), of("Subset_ID", FieldType::Byte)},
         {primary("Concept", {"Concept"}), plain("Type", {"Type", "Concept"}), plain("Subset", {"Subset_ID", "Concept"})}},
        {"Names",
         {counter("Name_ID"), text("Concept", 255), text("Lang_ID", 2), text("Name", 255)},
         {primary("Name_ID", {"Name_ID"}), plain("Concept", {"Concept"}), plain("Lang_ID", {"Lang_ID"})}},
        {"Languages",
         {text("Lang_ID", 2), text("Language", 255), of("Show", FieldType::Boolean)},
         {primary("Lang_ID", {"Lang_ID"}), plain("Language", {"Language"})}},
        {"TermBases", {memo("DBName")}, {}},
        // A concept's children are read by parent in identifier order, with whether each
        // has children of its own: from this index alone, without the rows.
        {"ISA",
         {text("Concept", 255), text("ISA", 255)},
         {primary("ISA", {"Concept", "ISA"}), plain("Children", {"ISA", "Concept"})}},
        {"ATTRIBUTES",
         {counter("Property_ID"), text("Concept", 255), text("Attribute", 50), of("Default", FieldType::Boolean),
          memo("Value")},
         {primary("IdxProps", {"Property_ID"})}},
        {"RELATIONS",
         {counter("Relation_ID"), text("Concept1", 255), text("Rel", 255), of("Default", FieldType::Boolean),
          text("Concept2", 255)},
         {primary("IdxRels", {"Relation_ID"})}},
        {"INVERSES",
         {text("Relation", 255), text("Inverse", 255)},
         {primary("Rel-Inv", {"Relation", "Inverse"}), plain("Relation", {"Relation"}), plain("Inverse", {"Inverse"})}},
        {"Notes",
         {counter("Note_ID"), text("Concept", 255), memo("Note", true), of("Date", FieldType::Date)},
         {primary("IdxNote", {"Note_ID"}), plain("Concept", {"Concept"})}},
        {"MetaData",
         {counter("MetaData_ID"), text("Name", 25), of("Created", FieldType::Date), of("Modified", FieldType::Date),
          text("Owner", 150, true), text("Author", 200, true), text("Contact", 150, true),
          text("Description", 255, true), of("MaxParents", FieldType::Byte), of("ListTop", FieldType::Byte),
          text("DefLang", 2), of("Naming", FieldType::Boolean), of("AutoName", FieldType::Byte),
          of("ActiveSet", FieldType::Byte)},
         {primary("IdxMD", {"MetaData_ID"})}},
        {"Subsets",
         {of("Subset_ID", FieldType::Byte), text("Subset", 65)},
         {primary("Subset_ID", {"Subset_ID"}), plain("Subset", {"Subset"})}},
        // The inheritance engine's scratch table. Its Value is kept as long text: an
        // inherited value may be as long as the attribute value it comes from.
        {"Inherit",
         {text("Attr", 255), memo("Value"), text("From", 255)},
         {primary("AttrVal", {"Attr", "Value"}), plain("Attr", {"Attr"}), plain("Value", {"Value"}),
          plain("From", {"From"})}},
    };
    s.relations = {
        {"ConceptsISA", "CONCEPTS", "Concept", "ISA", "Concept"},
        {"ConceptsISA2", "CONCEPTS", "Concept", "ISA", "ISA"},
        {"ConceptsAttributes", "CONCEPTS", "Concept", "ATTRIBUTES", "Concept"},
        {"ConceptsAttributes2", "CONCEPTS", "Concept", "ATTRIBUTES", "Attribute"},
        {"ConceptsRelations", "CONCEPTS", "Concept", "RELATIONS", "Concept1"},
        {"ConceptsRelations2", "CONCEPTS", "Concept", "RELATIONS", "Concept2"},
        {"ConceptsRelations3", "CONCEPTS", "Concept", "RELATIONS", "Rel"},
        {"ConceptsInverses1", "CONCEPTS", "Concept", "INVERSES", "Relation"},
        {"ConceptsInverses2", "CONCEPTS", "Concept", "INVERSES", "Inverse"},
        {"ConceptsNotes", "CONCEPTS", "Concept", "Notes", "Concept"},
        {"ConceptsNames", "CONCEPTS", "Concept", "Names", "Concept"},
        {"LanguagesNames", "Languages", "Lang_ID", "Names", "Lang_ID"},
        {"SubsetsConcepts", "Subsets", "Subset_ID", "CONCEPTS", "Subset_ID"},
    };
    return s;
}

db::Database openResourceDatabase()
{
    db::OpenOptions options;
    options.readOnly = true;
    options.connect = QStringLiteral(";pwd=quillmorsand");
    return db::Database::open(QDir(ui::appPath()).filePath(QStringLiteral("res.dat")), options);
}

void CreateOntologyDatabase(const QString &path)
{
    {
        db::Database created = db::Database::create(path);  // 3204 when the file exists
        try {
            db::createSchema(created, ontologySchema());
        } catch (...) {
            created.close();
            QFile::remove(path);
            throw;
        }
    }
    try {
        SeedNewOntology();
    } catch (...) {
        OntologyDB.close();
        QFile::remove(path);
        throw;
    }
}

void SeedNewOntology()
{
    static const SeedTable seed[] = {
        {"Subsets", {"Subset_ID", "Subset"}},
        {"CONCEPTS", {"Concept", "definition", "Type", "subset_ID"}},
        {"ISA", {"Concept", "ISA"}},
        {"INVERSES", {"Relation", "Inverse"}},
        {"RELATIONS", {"Concept1", "Rel", "Concept2"}},
        {"Languages", {"Lang_ID", "Language", "Show"}},
    };
    OntologyDB = db::Database::open(OntologyPath, {false, false, {}, ontologyTables()});
    UseSessionInheritTable();
    db::Database res = openResourceDatabase();
    db::Transaction tx(OntologyDB);
    for (const SeedTable &t : seed)
        CopySeedTable(OntologyDB, res, t);
    tx.commit();
    res.close();
}

void CopySeedTable(db::Database &target, const db::Database &res, const SeedTable &table,
                   const std::function<void()> &afterRow)
{
    db::QueryCursor rows = db::QueryCursor::dynaset(target, QStringLiteral("SELECT * FROM ") + table.name);
    db::TableCursor source(res, table.name);
    source.moveFirst();
    while (!source.eof()) {
        rows.addNew();
        for (const QString &f : table.fields)
            rows.setField(f, source.field(f));
        rows.update();
        source.moveNext();
        if (afterRow)
            afterRow();
    }
}
