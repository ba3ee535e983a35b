// Times the termbase editor's element tree and storing on a termbase of many entries
// (three languages, two terms each, a note and a cross-reference per entry), bound to an
// ontology of as many concepts: opening the entries' branch, storing a term (also the
// first of a new language), a value and a cross-reference with the tree's refresh,
// revealing an element, and showing an entry with a very long term in browse mode. Prints "<operation> <entries> <median> <unit>" lines, and the
// memory the opened branch takes, which must not follow the number of entries.
//
//   lx_element_tree_bench <entries>...

#include "BenchEditor.h"
#include "ontology/Global.h"
#include "ontology/OntologySchema.h"
#include "publish/PageView.h"
#include "tbeditor/frmTBEDitor.h"
#include "termbase/Global.h"
#include "termbase/NewTermbase.h"
#include "ui/App.h"
#include "ui/DataList.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

using bench::figure;
using bench::median;
using bench::ms;
using bench::residentMegabytes;

void run(int entries)
{
    QTemporaryDir dir;
    const auto editor = bench::openBenchEditor(dir.path(), entries);
    QApplication::processEvents();
    ElementTreeModel &nodes = *editor->Tree1Nodes;

    // Opening the entries' branch, from a closed root each time, painted.
    std::vector<double> expands;
    const double cold = residentMegabytes();
    double before = 0;
    for (int i = 0; i < 7; ++i) {
        // The first read fills the engine's page cache, which has a fixed bound; what the
        // tree itself holds is measured from there.
        if (i == 1)
            before = residentMegabytes();
        editor->BuildElementRoot();
        editor->expandNode(nodes.rootNode());
        const QModelIndex body = nodes.findKey(QStringLiteral("n 3"));
        QElapsedTimer t;
        t.start();
        editor->expandNode(body);
        editor->Tree1->repaint();
        QApplication::processEvents();
        expands.push_back(ms(t));
    }
    // The first read walks every entry once for the few children the concepts' order
    // does not bring; reading the branch again unchanged reuses what it found.
    figure("expand-body-first", expands.front(), "ms");
    figure("expand-body", median(expands), "ms");
    figure("memory-first-expansion-with-page-cache", before - cold, "MB");
    figure("memory-after-expanding-body", residentMegabytes() - before, "MB");

    // Entries spread over the whole order, each revealed from a closed tree.
    std::vector<qint64> sample;
    db::Statement pick(TermbaseDB, QStringLiteral("SELECT elemID FROM elements WHERE categoryID = '0.3' "
                                                  "ORDER BY (elemID * 2654435761) % 1000003 LIMIT 15"));
    while (pick.step())
        sample.push_back(pick.column(0).toLongLong());
    std::vector<double> reveals;
    for (qint64 id : sample) {
        editor->BuildElementRoot();
        QElapsedTimer t;
        t.start();
        editor->RevealElement(id);
        reveals.push_back(ms(t));
    }
    figure("reveal-element", median(reveals), "ms");

    const auto select = [&](qint64 id) {
        editor->RevealElement(id);
        editor->Tree1_NodeClick(editor->selectedNode());
    };
    const auto choose = [&](const QString &categoryID) {
        QTreeWidgetItem *item = findNode(*editor->Tree2, QStringLiteral("n") + categoryID);
        editor->Tree2_NodeClick(item);
    };
    const auto language = [&](const QString &langID) {
        editor->lstLang->setCurrentItem(editor->lstLang->findItems(langID, Qt::MatchExactly).first());
    };
    std::vector<double> terms, newLanguage, values, xrefs;
    for (qint64 entry : sample) {
        select(entry);
        choose(QStringLiteral("1"));
        editor->txtData->setPlainText(QStringLiteral("another term"));
        language(QStringLiteral("en"));
        QElapsedTimer t;
        t.start();
        editor->cmdAssert_Click();
        terms.push_back(ms(t));

        select(entry);
        choose(QStringLiteral("1"));
        editor->txtData->setPlainText(QStringLiteral("un terme"));
        language(QStringLiteral("fr"));
        t.restart();
        editor->cmdAssert_Click();
        newLanguage.push_back(ms(t));

        select(entry);
        choose(QStringLiteral("5.2"));
        editor->txtData->setPlainText(QStringLiteral("An explanation"));
        language(QStringLiteral("en"));
        t.restart();
        editor->cmdAssert_Click();
        values.push_back(ms(t));

        // A cross-reference from the entry's first term to the one just stored.
        const qint64 source = TermbaseDB.scalar(QStringLiteral("SELECT t.elemID FROM TERMS t JOIN elements s ON s.elemID = "
                                                               "(SELECT parentID FROM elements WHERE elemID = t.elemID) "
                                                               "WHERE s.parentID = ? ORDER BY t.elemID"),
                                                {entry})
                                  .toLongLong();
        const qint64 target = TermbaseDB.scalar(QStringLiteral("SELECT elemID FROM TERMS WHERE term = 'un terme' "
                                                               "ORDER BY elemID DESC"))
                                  .toLongLong();
        select(source);
        choose(QStringLiteral("9.2.1"));
        editor->RevealElement(target);
        t.restart();
        editor->Tree1_NodeClick(editor->selectedNode());
        xrefs.push_back(ms(t));
    }
    figure("store-term", median(terms), "ms");
    figure("store-term-new-language", median(newLanguage), "ms");
    figure("store-value", median(values), "ms");
    figure("store-cross-reference", median(xrefs), "ms");

    // An entry with a term of 100,000 characters and no blank, its page written and shown
    // in browse mode, painted.
    const qint64 longEntry = sample.front();
    select(longEntry);
    choose(QStringLiteral("1"));
    editor->txtData->setPlainText(QString(100000, QLatin1Char('w')));
    language(QStringLiteral("en"));
    editor->cmdAssert_Click();
    editor->SetBrowseMode();
    editor->RevealElement(longEntry);
    // A click on the element shown already shows nothing anew.
    editor->CurrentElemID = 0;
    editor->Tree1_NodeClick(editor->selectedNode());
    const QString page = editor->Browser->currentPage().path;
    std::vector<double> browses;
    for (int i = 0; i < 3; ++i) {
        editor->RevealElement(longEntry);
        QFile::remove(page);  // written anew each time
        editor->CurrentElemID = 0;
        QElapsedTimer t;
        t.start();
        editor->Tree1_NodeClick(editor->selectedNode());
        editor->Browser->repaint();
        QApplication::processEvents();
        browses.push_back(ms(t));
    }
    figure("browse-entry-with-term-of-100k-characters", median(browses), "ms");
    editor->SetEditMode();
    editor->CloseTermbase();
    editor->unload();
    OntologyDB.close();
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (int entries : bench::sizesFromArguments(argc, argv, {10000, 100000}))
        run(entries);
    return 0;
}
