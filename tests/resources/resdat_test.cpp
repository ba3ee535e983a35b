// The seed content we ship must be usable as it stands.
#include "db/Database.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

db::Database openRes()
{
    db::OpenOptions o;
    o.readOnly = true;
    return db::Database::open(QStringLiteral(LX_RES_DAT), o);
}

int count(db::Database &d, const QString &sql) { return d.scalar(sql).toInt(); }

}  // namespace

TEST(ResDat, OntologySeedIsConsistent)
{
    db::Database res = openRes();
    for (const char *t : {"Subsets", "CONCEPTS", "ISA", "INVERSES", "RELATIONS", "Languages"})
        EXPECT_GT(count(res, QStringLiteral("SELECT count(*) FROM ") + t), 0) << t << " has no rows";

    EXPECT_EQ(count(res, "SELECT count(*) FROM CONCEPTS WHERE Concept = 'ALL' AND Type = 100"), 1);
    EXPECT_EQ(count(res, "SELECT count(*) FROM Subsets WHERE Subset_ID = 1"), 1);
    for (const char *c : {"OBJECT", "EVENT", "ATTRIBUTE", "RELATION", "DOMAIN", "RANGE"})
        EXPECT_EQ(count(res, QStringLiteral("SELECT count(*) FROM CONCEPTS WHERE Concept = '%1'").arg(c)), 1) << c;
    for (const char *lang : {"en", "es"})
        EXPECT_EQ(count(res, QStringLiteral("SELECT count(*) FROM Languages WHERE Lang_ID = '%1' AND Show").arg(lang)), 1);

    // Every reference names a concept.
    EXPECT_EQ(count(res, "SELECT count(*) FROM ISA WHERE Concept NOT IN (SELECT Concept FROM CONCEPTS) "
                         "OR ISA NOT IN (SELECT Concept FROM CONCEPTS)"), 0);
    EXPECT_EQ(count(res, "SELECT count(*) FROM INVERSES WHERE Relation NOT IN (SELECT Concept FROM CONCEPTS) "
                         "OR Inverse NOT IN (SELECT Concept FROM CONCEPTS)"), 0);
    EXPECT_EQ(count(res, "SELECT count(*) FROM RELATIONS WHERE Concept1 NOT IN (SELECT Concept FROM CONCEPTS) "
                         "OR Rel NOT IN (SELECT Concept FROM CONCEPTS) OR Concept2 NOT IN (SELECT Concept FROM CONCEPTS)"), 0);
    // Every relation concept can be offered in Add Relation: it has an inverse, both ways.
    EXPECT_EQ(count(res, "SELECT count(*) FROM CONCEPTS WHERE Type = 4 AND Concept NOT IN (SELECT Relation FROM INVERSES)"), 0);
    EXPECT_EQ(count(res, "SELECT count(*) FROM INVERSES i WHERE NOT EXISTS (SELECT 1 FROM INVERSES j "
                         "WHERE j.Relation = i.Inverse AND j.Inverse = i.Relation)"), 0);
    // Every concept but the root has a parent, and no concept is its own ancestor.
    EXPECT_EQ(count(res, "SELECT count(*) FROM CONCEPTS WHERE Type <> 100 AND Concept NOT IN (SELECT Concept FROM ISA)"), 0);
    EXPECT_EQ(count(res, "WITH RECURSIVE up(c, a) AS (SELECT Concept, ISA FROM ISA UNION "
                         "SELECT up.c, ISA.ISA FROM up JOIN ISA ON ISA.Concept = up.a) "
                         "SELECT count(*) FROM up WHERE c = a"), 0);
}
