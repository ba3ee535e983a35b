// The termbase half of the seed we ship: what every new termbase and its editor rely on.
#include "db/Database.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

db::Database openRes()
{
    db::OpenOptions o;
    o.readOnly = true;
    return db::Database::open(QStringLiteral(LX_RES_DAT), o);
}

qint64 count(db::Database &d, const QString &sql, const QVariantList &params = {})
{
    return d.scalar(sql, params).toLongLong();
}

// The categories the program itself names, by what it does with them.
const char *const namedCategories[] = {
    // structure and the catalogue's top branches
    "DC", "all", "0", "0.2", "0.3", "0.4", "0.5", "1", "2", "descrip", "admin", "100", "8",
    // values the editor treats by their identifier
    "2.1", "3.4", "4", "4.2", "5.3", "5.3x", "5.5.1", "5.5.2", "5.5.3", "5.5.4", "5.5.5", "9.2",
    // cross-references
    "10.18", "10.18.5", "10.18.6", "10.6.1", "3.2x", "3.5x", "9.2.1", "9.2.2", "9.2.3", "9.2.4",
    // references to back-matter records
    "10.2.2.1", "10.2.2.2", "10.2.2.3", "10.2.2.4", "10.2.2.5", "10.2.2.6", "10.2.2.7", "10.2.2.8", "10.2.2.9",
    "10.2.2.10", "10.20", "10.21.1", "10.21.2",
    // back matter: containers, records and their fields, files
    "x1", "x2", "x3", "x4", "x5", "x6", "x7", "x8", "x9", "x10", "x11", "x10.2.2", "x10.20", "xx4", "x10.21.1",
    "x10.21.2", "x10.3", "x4.2", "x7.2", "x9.1", "x9.2", "x5.5", "x11.1", "x10.2.2.2", "x10.2.2.3", "x10.2.2.4",
    "x10.2.2.5", "x10.2.2.6", "x10.20.1", "x10.20.2", "x10.20.3", "x10.20.4", "x10.20.5", "x10.20.6", "x10.20.8",
};

}  // namespace

TEST(ResDat, TermbaseSeedHasEveryTableAndEveryCategoryTheProgramNames)
{
    db::Database res = openRes();
    for (const char *t : {"charsets", "langs", "datcats", "datcats_names", "elements", "picklists", "valid_families"})
        EXPECT_GT(count(res, QStringLiteral("SELECT count(*) FROM ") + t), 0) << t << " has no rows";
    for (const char *id : namedCategories)
        EXPECT_EQ(count(res, "SELECT count(*) FROM datcats WHERE categoryID = ?", {QString::fromLatin1(id)}), 1) << id;
    for (const char *lang : {"en", "es"})
        EXPECT_EQ(count(res, "SELECT count(*) FROM langs WHERE langID = ?", {QString::fromLatin1(lang)}), 1) << lang;
}

TEST(ResDat, TermbaseSeedStoresEveryParentBeforeItsChildren)
{
    db::Database res = openRes();
    // A new termbase copies rows in stored order, and its relations check each row as it comes.
    EXPECT_EQ(count(res, "SELECT count(*) FROM datcats c WHERE c.parentCatID IS NOT NULL AND NOT EXISTS "
                         "(SELECT 1 FROM datcats p WHERE p.categoryID = c.parentCatID AND p.rowid < c.rowid)"), 0);
    EXPECT_EQ(count(res, "SELECT count(*) FROM elements c WHERE c.parentID IS NOT NULL AND NOT EXISTS "
                         "(SELECT 1 FROM elements p WHERE p.elemID = c.parentID AND p.rowid < c.rowid)"), 0);
    // Every top category hangs from the catalogue's root, and every category reaches it.
    EXPECT_EQ(count(res, "SELECT count(*) FROM datcats WHERE parentCatID = 'DC' AND categoryID IN "
                         "('0', '1', '2', 'descrip', 'admin', '100')"), 6);
    EXPECT_EQ(count(res, "WITH RECURSIVE up(id, parent) AS (SELECT categoryID, parentCatID FROM datcats "
                         "UNION SELECT up.id, d.parentCatID FROM up JOIN datcats d ON d.categoryID = up.parent) "
                         "SELECT count(DISTINCT id) FROM up WHERE parent = 'DC'"),
              count(res, "SELECT count(*) FROM datcats WHERE categoryID NOT IN ('DC', 'all')"));
}

TEST(ResDat, TermbaseSeedNamesEveryCategoryInEnglishAndSpanish)
{
    db::Database res = openRes();
    for (const char *lang : {"en", "es"}) {
        SCOPED_TRACE(lang);
        const QVariantList l{QString::fromLatin1(lang)};
        EXPECT_EQ(count(res, "SELECT count(*) FROM datcats WHERE categoryID NOT IN ('DC', 'all') AND categoryID NOT IN "
                             "(SELECT categoryID FROM datcats_names WHERE langID = ?)", l), 0);
        // The help finds a category by its name: names must tell categories apart.
        EXPECT_EQ(count(res, "SELECT count(*) FROM (SELECT name FROM datcats_names WHERE langID = ? "
                             "GROUP BY name HAVING count(*) > 1)", l), 0);
    }
    EXPECT_EQ(count(res, "SELECT count(*) FROM datcats_names WHERE categoryID IN ('DC', 'all')"), 0)
        << "the structural rows stay out of every list";
    // The entries container is known by its label "body", whatever the language.
    EXPECT_EQ(count(res, "SELECT count(*) FROM datcats_names n JOIN elements e ON e.categoryID = n.categoryID "
                         "WHERE e.elemID = 3 AND n.name <> 'body'"), 0);
    EXPECT_EQ(count(res, "SELECT count(DISTINCT n.langID) FROM datcats_names n JOIN elements e ON e.categoryID = n.categoryID "
                         "WHERE e.elemID = 3"),
              count(res, "SELECT count(DISTINCT langID) FROM datcats_names"));
}

TEST(ResDat, TermbaseSeedCategoriesCarryTheAttributesTheEditorActsOn)
{
    db::Database res = openRes();
    EXPECT_EQ(count(res, "SELECT count(*) FROM datcats WHERE value_type IS NULL OR value_type NOT IN "
                         "('text', 'picklist', 'date', 'number', 'container', 'none')"), 0);
    struct Case {
        const char *what;
        const char *where;      // the categories concerned
        const char *mustHold;   // what each of them must satisfy
    } cases[] = {
        {"cross-references point and keep a text", "categoryID IN ('10.18', '10.18.5', '10.18.6', '10.6.1', '3.2x', "
         "'3.5x', '9.2.1', '9.2.2', '9.2.3', '9.2.4')",
         "GI_name = 'ptr' AND value_type = 'text' AND forms_link AND length(type) <= 32"},
        {"only cross-references point", "GI_name = 'ptr'", "value_type = 'text'"},
        {"related concepts are written as text", "categoryID LIKE '6._'",
         "GI_name <> 'ptr' AND value_type = 'text' AND NOT forms_link"},
        {"file references point at attached files", "categoryID IN ('5.3x', '5.5.1', '5.5.2', '5.5.3', '5.5.4', '5.5.5')",
         "GI_name = 'ref' AND value_type = 'none' AND forms_link"},
        {"attached files are the only file objects", "GI_name = 'refObject'", "categoryID IN ('x5.5', 'x11.1')"},
        {"references to back-matter records keep no value", "categoryID IN ('4', '10.20', '10.21.1', '10.21.2') "
         "OR categoryID LIKE '10.2.2._' OR categoryID = '10.2.2.10'",
         "value_type = 'none' AND forms_link AND NOT needs_lang AND GI_name NOT IN ('ptr', 'ref', 'refObject')"},
        {"back-matter records and their fields keep their text", "categoryID LIKE 'x_%.%' AND categoryID NOT IN "
         "('x5.5', 'x11.1')", "value_type = 'text'"},
        {"back-matter containers hold records", "categoryID IN ('x1', 'x2', 'x3', 'x4', 'x5', 'x6', 'x7', 'x8', 'x9', "
         "'x10', 'x11')", "value_type = 'container' AND parentCatID = '100'"},
        {"terms and language sections carry a language", "categoryID IN ('1', '0.4')", "needs_lang"},
        {"the degree of equivalence is the number", "value_type = 'number'", "categoryID = '3.4'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_GT(count(res, QStringLiteral("SELECT count(*) FROM datcats WHERE %1").arg(c.where)), 0);
        EXPECT_EQ(count(res, QStringLiteral("SELECT count(*) FROM datcats WHERE (%1) AND NOT (%2)").arg(c.where, c.mustHold)), 0);
    }
    // Every picklist category offers values, and only picklist categories have them.
    EXPECT_EQ(count(res, "SELECT count(*) FROM datcats WHERE value_type = 'picklist' AND categoryID NOT IN "
                         "(SELECT categoryID FROM picklists)"), 0);
    EXPECT_EQ(count(res, "SELECT count(*) FROM picklists p JOIN datcats d ON d.categoryID = p.categoryID "
                         "WHERE d.value_type <> 'picklist'"), 0);
}

TEST(ResDat, TermbaseSeedGivesAUsableEntryStructure)
{
    db::Database res = openRes();
    // Both ends of every pair are categories; so are every element's and every name's.
    EXPECT_EQ(count(res, "SELECT count(*) FROM valid_families WHERE parentCategoryID NOT IN (SELECT categoryID FROM datcats) "
                         "OR childCategoryID NOT IN (SELECT categoryID FROM datcats)"), 0);
    EXPECT_EQ(count(res, "SELECT count(*) FROM elements WHERE categoryID NOT IN (SELECT categoryID FROM datcats)"), 0);
    // Records the tree draws by their category's name alone are offered nowhere: a text
    // stored in them would show nowhere.
    EXPECT_EQ(count(res, "SELECT count(*) FROM valid_families WHERE childCategoryID IN ('x4.2', 'x7.2', 'x9.1', 'x10.3')"),
              0);
    EXPECT_EQ(count(res, "SELECT count(*) FROM datcats_names WHERE categoryID NOT IN (SELECT categoryID FROM datcats) "
                         "OR langID NOT IN (SELECT langID FROM langs)"), 0);
    EXPECT_EQ(count(res, "SELECT count(*) FROM langs WHERE charsetID NOT IN (SELECT charsetID FROM charsets)"), 0);

    // The skeleton: root 1 of category "0", the entries container 3 under it, every
    // back-matter container once under the back matter.
    EXPECT_EQ(count(res, "SELECT count(*) FROM elements WHERE elemID = 1 AND categoryID = '0' AND parentID IS NULL"), 1);
    EXPECT_EQ(count(res, "SELECT count(*) FROM elements WHERE parentID IS NULL"), 1);
    const QString body = res.scalar("SELECT categoryID FROM elements WHERE elemID = 3 AND parentID = 1").toString();
    ASSERT_FALSE(body.isEmpty());
    EXPECT_EQ(count(res, "SELECT count(*) FROM elements c JOIN elements p ON p.elemID = c.parentID "
                         "WHERE c.categoryID IN ('x1', 'x2', 'x3', 'x4', 'x5', 'x6', 'x7', 'x8', 'x9', 'x10', 'x11') "
                         "AND p.parentID = 1"), 11);

    struct Pair {
        QString parent, child;
        bool allowed;
    } pairs[] = {
        {body, "0.3", true},         // entries under the body
        {"0.3", "1", true},          // terms under their entry
        {"0.4", "1", false},         // never under a section: the editor makes the section itself
        {"0.3", "0.4", false},       // sections are made with their first term, not by hand
        {"0.3", "5.1", true},        // a definition on the entry
        {"0.4", "5.1", true},        // or on a language section
        {"1", "2.1", true},          // the term's type on the term
        {"1", "5.3", true},          // a context on the term
        {"all", "8", true},          // notes anywhere
        {"all", "10.18", true},      // free cross-references anywhere
        {"x2", "x5.5", true},        // attached files in their container
        {"x11", "x11.1", true},
        {"x3", "x10.2.2", true},
        {"x10.2.2", "x10.2.2.6", true},
        {"x10.20", "x10.20.8", true},
    };
    for (const Pair &p : pairs) {
        SCOPED_TRACE((p.parent + " > " + p.child).toStdString());
        EXPECT_EQ(count(res, "SELECT count(*) FROM valid_families WHERE parentCategoryID = ? AND childCategoryID = ?",
                        {p.parent, p.child}),
                  p.allowed ? 1 : 0);
    }
    // A container cannot be stored by hand, so none is offered; the term entry is the
    // exception, stored through its concept.
    EXPECT_EQ(count(res, "SELECT count(*) FROM valid_families v JOIN datcats d ON d.categoryID = v.childCategoryID "
                         "WHERE d.value_type = 'container' AND d.categoryID <> '0.3'"), 0);
}
