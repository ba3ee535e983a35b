#include "TermbaseFixture.h"
#include "db/Text.h"
#include "termbase/Catalogue.h"
#include "termbase/DataCategories.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

qsizetype rowOf(const QString &categoryID)
{
    for (size_t i = 0; i < DCTable.size(); ++i)
        if (DCTable[i].categoryID == categoryID)
            return qsizetype(i);
    return -1;
}

QStringList keys(const std::vector<CatalogueNode> &nodes)
{
    QStringList k;
    for (const CatalogueNode &n : nodes)
        k << n.key;
    return k;
}

}  // namespace

TEST(DCTable, HoldsTheCategoriesInTextOrderWithTheirNames)
{
    OpenTermbase t;
    ASSERT_TRUE(LoadDataCategoryTable());
    EXPECT_EQ(qint64(DCTable.size()), t.count("SELECT count(*) FROM datcats_names WHERE langID = 'en'"));
    for (size_t i = 1; i < DCTable.size(); ++i)
        EXPECT_LT(db::compareText(DCTable[i - 1].categoryID, DCTable[i].categoryID), 0) << i;
    EXPECT_LT(rowOf("10.18"), rowOf("2")) << "compared as text, not as numbers";
    ASSERT_GE(rowOf("10.18"), 0);
    const DataCategoryRow &xref = DCTable[size_t(rowOf("10.18"))];
    EXPECT_EQ(xref.GI_name, "ptr");
    EXPECT_EQ(xref.value_type, "text");
    EXPECT_EQ(xref.needs_lang, "False");
    EXPECT_EQ(xref.forms_link, "True");
    EXPECT_EQ(xref.Name, "cross-reference");
    EXPECT_EQ(RSDatCats->recordCount(), qsizetype(DCTable.size()));

    struct Case {
        QString id;
        QString name, type, gi;
    } cases[] = {
        {"8", "note", "note", "note"},
        {"1", "term", "term", "term"},
        {"x5.5", "attached file", "attachedFile", "refObject"},
        {"x1", "bibliography", "bibliography", "refObjectList"},
        {"X1", "", "", ""},  // letter case counts
        {"DESCRIP", "", "", ""},
        {"99.9", "", "", ""},
        {"", "", "", ""},
        {"DC", "", "", ""},  // structural, never named
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id.toStdString());
        EXPECT_EQ(GetDataCategoryName(c.id), c.name);
        EXPECT_EQ(GetDataCategoryType(c.id), c.type);
        EXPECT_EQ(GetDataCategoryGIName(c.id), c.gi);
    }
}

TEST(DCTable, FollowsTheDataCategoryLanguageAndEmptiesWithoutNames)
{
    OpenTermbase t;
    TermbaseInfo.DCLang = "es";
    ASSERT_TRUE(LoadDataCategoryTable());
    EXPECT_EQ(GetDataCategoryName("8"), "nota");
    EXPECT_EQ(GetDataCategoryName("0.2"), "body");

    // A language the termbase has but names no category in: nothing of Spanish may stay.
    TermbaseInfo.DCLang = "fr";
    EXPECT_FALSE(LoadDataCategoryTable());
    EXPECT_TRUE(DCTable.empty());
    EXPECT_EQ(GetDataCategoryName("8"), "");
    EXPECT_TRUE(RSDatCats->isEmpty());
}

TEST(Catalogue, ShowsTheTopBranchesInTheirOrderAndEveryNamedCategoryOnce)
{
    struct Case {
        const char *lang;
        QStringList topTexts;
        QString noteText;
    } cases[] = {
        {"en",
         {"termbase", "term", "term-related information", "concept-related description", "administrative information",
          "back-matter records"},
         "note"},
        {"es",
         {"base terminológica", "término", "información sobre el término", "descripción del concepto",
          "información administrativa", "registros de la materia final"},
         "nota"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lang);
        OpenTermbase t;
        TermbaseInfo.DCLang = c.lang;
        const DataCategoryCatalogue cat = BuildDataCategoryCatalogue();
        EXPECT_TRUE(cat.missingTop.isEmpty());

        QStringList topKeys, topTexts;
        QHash<QString, QString> parentOf, textOf;
        for (const CatalogueNode &n : cat.tree) {
            EXPECT_TRUE(n.parentKey == CatalogueRootKey || parentOf.contains(n.parentKey))
                << n.key.toStdString() << " comes before its parent";
            EXPECT_FALSE(parentOf.contains(n.key)) << n.key.toStdString() << " twice";
            parentOf.insert(n.key, n.parentKey);
            textOf.insert(n.key, n.text);
            if (n.parentKey == CatalogueRootKey) {
                topKeys << n.key;
                topTexts << n.text;
            }
        }
        EXPECT_EQ(topKeys, (QStringList{"n0", "n1", "n2", "ndescrip", "nadmin", "n100"}));
        EXPECT_EQ(topTexts, c.topTexts);
        EXPECT_EQ(textOf.value("n8"), c.noteText);
        EXPECT_EQ(parentOf.value("n10.2.2.10"), "n10.2.2");
        // Every category named in the language has its node: none is unreachable in the seed.
        EXPECT_EQ(qint64(cat.tree.size()),
                  t.count("SELECT count(*) FROM datcats_names WHERE langID = ?", {QString::fromLatin1(c.lang)}));

        // Children in categoryID order under every node but the root, whose order is fixed.
        QHash<QString, QString> lastChild;
        for (const CatalogueNode &n : cat.tree) {
            if (n.parentKey == CatalogueRootKey)
                continue;
            const QString prev = lastChild.value(n.parentKey);
            if (!prev.isEmpty()) {
                EXPECT_LT(db::compareText(prev, n.key), 0) << n.key.toStdString();
            }
            lastChild.insert(n.parentKey, n.key);
        }

        // The list: the same nodes; each top category before its branch, every other
        // category after all its descendants.
        QStringList listKeys = keys(cat.list), treeKeys = keys(cat.tree);
        EXPECT_EQ(qsizetype(cat.list.size()), treeKeys.size());
        listKeys.sort();
        treeKeys.sort();
        EXPECT_EQ(listKeys, treeKeys);
        QHash<QString, qsizetype> at;
        for (qsizetype i = 0; i < qsizetype(cat.list.size()); ++i)
            at.insert(cat.list[size_t(i)].key, i);
        for (const CatalogueNode &n : cat.tree) {
            const QString parent = n.parentKey;
            if (parent == CatalogueRootKey)
                continue;
            if (parentOf.value(parent) == CatalogueRootKey) {
                EXPECT_LT(at.value(parent), at.value(n.key)) << n.key.toStdString();
            } else {
                EXPECT_GT(at.value(parent), at.value(n.key)) << n.key.toStdString();
            }
        }
    }
}

TEST(Catalogue, LeavesOutWhatItCannotName)
{
    struct Case {
        const char *what;
        const char *sql;
        QString missingTop;
        QStringList present, absent;
    } cases[] = {
        {"a top category without a name: the branches before it only",
         "DELETE FROM datcats_names WHERE categoryID = 'descrip' AND langID = 'en'", "descrip",
         {"n0", "n1", "n2", "n2.1"}, {"ndescrip", "n5.1", "nadmin", "n100"}},
        {"a category whose parent has no name: left out with its branch",
         "DELETE FROM datcats_names WHERE categoryID = '5.5' AND langID = 'en'", "", {"n5.4", "nadmin"},
         {"n5.5", "n5.5.1"}},
        {"no top category named at all: an empty catalogue and no error",
         "DELETE FROM datcats_names WHERE langID = 'en' AND categoryID NOT IN ('8', '5.1')", "", {}, {"n8", "n5.1"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        OpenTermbase t;
        TermbaseDB.execute(QString::fromLatin1(c.sql));
        const DataCategoryCatalogue cat = BuildDataCategoryCatalogue();
        EXPECT_EQ(cat.missingTop, c.missingTop);
        const QStringList tree = keys(cat.tree), list = keys(cat.list);
        for (const QString &k : c.present) {
            EXPECT_TRUE(tree.contains(k)) << k.toStdString();
            EXPECT_TRUE(list.contains(k)) << k.toStdString();
        }
        for (const QString &k : c.absent) {
            EXPECT_FALSE(tree.contains(k)) << k.toStdString();
            EXPECT_FALSE(list.contains(k)) << k.toStdString();
        }
        // What the catalogue leaves out is still a category to look up.
        ASSERT_TRUE(LoadDataCategoryTable());
        EXPECT_EQ(GetDataCategoryName("5.1"), "definition");
    }
}
