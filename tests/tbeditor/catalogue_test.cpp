// The data categories as the termbase editor draws them: as a tree or as a list, in the
// termbase's data-category language, and what it says when names are missing.

#include "TBEditorFixture.h"
#include "app/frmWait.h"
#include "termbase/DataCategories.h"
#include "ui/StatusBar.h"

#include <QListWidget>
#include <QProgressBar>
#include <QTreeWidget>

namespace {

QStringList topKeys(const QTreeWidget &tree)
{
    QStringList out;
    const QTreeWidgetItem *root = tree.topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i)
        out << nodeKey(root->child(i));
    return out;
}

QStringList listKeys(const QTreeWidget &list)
{
    QStringList out;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        out << nodeKey(list.topLevelItem(i));
    return out;
}

QStringList treeKeys(const QTreeWidget &tree)
{
    QStringList out;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(&tree)); *it; ++it)
        out << nodeKey(*it);
    return out;
}

}  // namespace

using CatalogueTest = TBEditorTest;

TEST_F(CatalogueTest, DrawnAsTreeOrListInTheTermbasesLanguage)
{
    const QString path = closedTermbase("Kin", "kin.lxb");
    struct Case {
        const char *dcLang;
        const char *dcList;
        bool asList;
        const char *root;        // the name of category "0": the element tree's root
        const char *termEntry;   // the name of category "0.3"
        const char *before;      // two names the list shows in this order
        const char *after;
    } cases[] = {
        // "back-matter records" before "URL": letter case aside, and whatever the branches.
        {"en", "tree", false, "termbase", "term entry", "n100", "n10.21.1"},
        {"en", "list", true, "termbase", "term entry", "n100", "n10.21.1"},
        // "código de clasificación" before "comentario de transferencia": accents as Spanish sorts them.
        {"es", "tree", false, "base terminológica", "entrada terminológica", "n4.2", "n2.5"},
        {"es", "list", true, "base terminológica", "entrada terminológica", "n4.2", "n2.5"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.dcLang) + " " + c.dcList);
        editFile(path, "UPDATE MetaData SET DCLang = ?, DCList = ?", {c.dcLang, c.dcList});
        openTermbase(path);
        ASSERT_EQ(TermbasePath, path);

        EXPECT_EQ(editor->Tree2->isVisible(), !c.asList);
        EXPECT_EQ(editor->ListView1->isVisible(), c.asList);
        ASSERT_EQ(editor->Tree2->topLevelItemCount(), 1);
        const QTreeWidgetItem *root = editor->Tree2->topLevelItem(0);
        EXPECT_EQ(nodeKey(root), "nDC");
        EXPECT_EQ(root->text(0), "DC");
        EXPECT_EQ(topKeys(*editor->Tree2), (QStringList{"n0", "n1", "n2", "ndescrip", "nadmin", "n100"}));
        const QTreeWidgetItem *entry = findNode(*editor->Tree2, "n0.3");
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->text(0), c.termEntry);
        EXPECT_EQ(nodeKey(entry->parent()), "n0") << "each category under its parent";
        EXPECT_EQ(editor->Tree1Nodes->text(editor->Tree1Nodes->rootNode()), c.root);
        EXPECT_EQ(GetDataCategoryName("0.3"), c.termEntry);

        // The list holds the same categories, without the hierarchy, by name.
        QStringList inTree = treeKeys(*editor->Tree2);
        inTree.removeOne("nDC");
        QStringList inList = listKeys(*editor->ListView1);
        EXPECT_EQ(inList.size(), inTree.size());
        EXPECT_EQ(QSet<QString>(inList.begin(), inList.end()), QSet<QString>(inTree.begin(), inTree.end()));
        EXPECT_LT(inList.indexOf(c.before), inList.indexOf(c.after));
        EXPECT_NE(inList.indexOf(c.before), -1);
        EXPECT_NE(inList.indexOf(c.after), -1);

        EXPECT_TRUE(editor->ProgressBar1->isHidden());
        EXPECT_LT(editor->ProgressBar1->value(), editor->ProgressBar1->maximum());
        EXPECT_EQ(editor->StatusBar1->panelText(1), "Kinship");
        editor->mnuFileClose_Click();
    }
}

TEST_F(CatalogueTest, MissingNamesAreReportedAndTheTermbaseStillOpens)
{
    const QString path = closedTermbase("Kin", "kin.lxb");
    struct Case {
        const char *what;
        const char *edit;
        const char *message;
        QStringList tops;
    } cases[] = {
        {"a top category without a name", "DELETE FROM datcats_names WHERE categoryID = 'descrip' AND langID = 'en'",
         "Data category not found. Fatal error. Please report. Error Code TB006", {"n0", "n1", "n2"}},
        {"no name in the language at all", "UPDATE MetaData SET DCLang = 'fr'",
         "No data category has a name in the language \"fr\"", {}},
        {"no languages at all", "DELETE FROM langs", "No data category has a name in the language \"fr\"", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        editFile(path, c.edit);
        boxes.expect(c.message);
        openTermbase(path);
        EXPECT_TRUE(boxes.asked().back().prompt.startsWith(c.message));
        EXPECT_EQ(TermbasePath, path) << "the termbase is open all the same";
        EXPECT_EQ(topKeys(*editor->Tree2), c.tops) << "the branches before the missing one stay";
        EXPECT_EQ(editor->Tree2->topLevelItemCount(), 1) << "the root is always there";
        EXPECT_TRUE(editor->ProgressBar1->isHidden());
        EXPECT_TRUE(ui::forms().ofType<frmWait>().empty()) << "the please-wait window is gone";
        EXPECT_EQ(editor->lstLang->count(), int(fileValue(path, "SELECT count(*) FROM langs").toInt()));
        editor->mnuFileClose_Click();
    }
    EXPECT_TRUE(DCTable.empty()) << "no names of another language or termbase are left";
}
