#include "ExchangeFixture.h"
#include "db/Error.h"
#include "exchange/OxpExport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QStringList goldenLines{
    "(ALL DEFINITION VALUE \"The root of the ontology: every concept is a kind of ALL.\")",
    "(ALL SUBCLASSES VALUE ATTRIBUTE)",
    "(ALL SUBCLASSES VALUE DOMAIN)",
    "(ALL SUBCLASSES VALUE EVENT)",
    "(ALL SUBCLASSES VALUE OBJECT)",
    "(ALL SUBCLASSES VALUE RANGE)",
    "(ALL SUBCLASSES VALUE RELATION)",
    "(CAR IS-A VALUE ARTIFACT 1)",
    "(CAR IS-A VALUE VEHICLE 1)",
    "(CAR DEFINITION VALUE Undefined)",
    "(CAR SUBCLASSES VALUE SEDAN)",
    "(CAR SUBCLASSES VALUE TRUCK)",
    "(CAR HAS-PART SEM WHEEL)",
    "(CAR COLOR DEFAULT red)",
    "(CAR SIZE VALUE big  ish)",
    "(COLOR IS-A VALUE ATTRIBUTE 3)",
    "(COLOR DEFINITION VALUE \"The colour of an object.\")",
    "(COLOR DOMAIN SEM OBJECT)",
    "(COLOR DOMAIN DEFAULT VEHICLE)",
    "(COLOR RANGE DEFAULT blue)",
    "(COLOR RANGE VALUE red)",
    "(HAS-PART IS-A VALUE RELATION 4)",
    "(HAS-PART DEFINITION VALUE \"The filler is a part of the owner.\")",
    "(HAS-PART DOMAIN SEM OBJECT)",
    "(HAS-PART RANGE SEM OBJECT)",
    "(HAS-PART RANGE DEFAULT WHEEL)",
    "(ODD IS-A VALUE OBJECT 13)",
    "(ODD DEFINITION VALUE Undefined)",
    "(SEDAN IS-A VALUE CAR 1)",
    "(SEDAN DEFINITION VALUE \"Undefined\")",
    "(VEHICLE IS-A VALUE OBJECT 1)",
    "(VEHICLE DEFINITION VALUE \"A thing that \"carries\"  things.\")",
    "(VEHICLE SUBCLASSES VALUE CAR)",
};
const QStringList goldenSelection{"ALL", "CAR", "COLOR", "HAS-PART", "ODD", "SEDAN", "VEHICLE"};

}  // namespace

TEST(Export, GoldenFileByteForByte)
{
    NewOntology o;
    addSmallOntology();
    const QString path = o.dir.file("export.oxp");
    std::vector<std::pair<qsizetype, bool>> calls;
    const OxpExportResult r =
        ExportConceptsToOxp(path, goldenSelection, [&](qsizetype at, bool done) { calls.push_back({at, done}); });
    EXPECT_EQ(fileBytes(path), crlfLines(goldenLines));
    EXPECT_EQ(r.exported, goldenSelection.size());
    EXPECT_TRUE(r.missing.isEmpty());
    ASSERT_EQ(calls.size(), size_t(goldenSelection.size()));
    for (size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls[i], std::make_pair(qsizetype(i), true));

    // One concept at a time gives the same blocks.
    QStringList one;
    for (const QString &id : goldenSelection)
        one << ConceptToOxp(id);
    EXPECT_EQ(one.join("\r\n"), goldenLines.join("\r\n"));
    QStringList relationLines;
    RelationsToOxp("HAS-PART", relationLines);
    EXPECT_EQ(relationLines, goldenLines.mid(23, 3));
}

TEST(Export, TheListsOrderAndWhatIsNoLongerThere)
{
    NewOntology o;
    addSmallOntology();
    const QString path = o.dir.file("export.oxp");
    // As entered, a concept deleted since the list was filled, and one with no rows at all.
    OntologyDB.execute("DELETE FROM CONCEPTS WHERE Concept = 'TRUCK'");
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('LONE', 1, 1)");
    const OxpExportResult r = ExportConceptsToOxp(path, {"VEHICLE", "TRUCK", "ODD", "lone", "ALL"});
    EXPECT_EQ(r.exported, 4);
    EXPECT_EQ(r.missing, QStringList{"TRUCK"});
    QStringList expected = goldenLines.mid(30, 3);
    expected << goldenLines.mid(26, 2) << "(lone DEFINITION VALUE Undefined)" << goldenLines.mid(0, 7);
    EXPECT_EQ(fileBytes(path), crlfLines(expected)) << "blocks in the list's order; the deleted concept skipped";
    EXPECT_EQ(ConceptToOxp("TRUCK"), "");
}

TEST(Export, AFileThatCannotBeWrittenLeavesTheOldOne)
{
    NewOntology o;
    addSmallOntology();
    const QString path = o.dir.write("export.oxp", "old\r\n");
    EXPECT_THROW(ExportConceptsToOxp(o.dir.file("no/such/folder/x.oxp"), goldenSelection), db::DbError);
    ExportConceptsToOxp(path, {"ODD"});
    EXPECT_EQ(fileBytes(path), crlfLines(goldenLines.mid(26, 2))) << "Yes to overwrite replaces the whole file";
    EXPECT_EQ(QDir(o.dir.path()).entryList({"*.oxp*"}, QDir::Files), QStringList{"export.oxp"});
}
