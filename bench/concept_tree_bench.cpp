// Times the navigator on one synthetic ontology (see make_ontology.cpp), with four
// shapes added to a copy of it: WIDE, a child of the root with 40,000 children; DEEP-1
// to DEEP-39, a chain 39 levels deep; 10,000 concepts named QRS-<k>, each below a
// concept picked at random; and BROAD, a child of the root with 100,000 descendants
// about eight to a parent, the size of a top concept's page in a large ontology.
// Prints "<operation> <concepts> <value> <unit>" lines.
//
//   lx_concept_tree_bench <file.ont>

#include "BenchOntology.h"
#include "Figures.h"
#include "editor/frmOntoEdit.h"
#include "ontology/Global.h"
#include "ontology/OntologyFile.h"
#include "publish/HTMLStuff.h"
#include "publish/OutputFolder.h"
#include "publish/PageFileNames.h"
#include "publish/frmOntoNav.h"
#include "ui/App.h"
#include "ui/Forms.h"
#include "ui/MousePointer.h"
#include "ui/Settings.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int WideChildren = 40000, DeepLevels = 39, Matches = 10000, BroadDescendants = 100000;

using bench::figure;
using bench::median;
using bench::ms;
using bench::peakMegabytes;

// The three shapes, added once to the copy.
void addShapes(qint64 n)
{
    if (OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM CONCEPTS WHERE Concept = 'WIDE'")).toInt() > 0)
        return;
    QRandomGenerator rng(7);
    db::Transaction tx(OntologyDB);
    db::Statement insertConcept(OntologyDB, "INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES (?, 1, 1)");
    db::Statement isa(OntologyDB, "INSERT INTO ISA (Concept, ISA) VALUES (?, ?)");
    const auto add = [&](const QString &id, const QString &parent) {
        insertConcept.bindAll({id}).run();
        isa.bindAll({id, parent}).run();
    };
    add(QStringLiteral("WIDE"), RootConcept);
    for (int k = 1; k <= WideChildren; ++k)
        add(QStringLiteral("WIDE-%1-%2").arg(rng.bounded(1000000)).arg(k), QStringLiteral("WIDE"));
    QString parent = RootConcept;
    for (int k = 1; k <= DeepLevels; ++k) {
        add(QStringLiteral("DEEP-%1").arg(k), parent);
        parent = QStringLiteral("DEEP-%1").arg(k);
    }
    for (int k = 1; k <= Matches; ++k)
        add(QStringLiteral("QRS-%1").arg(k), QStringLiteral("C-%1").arg(1 + qint64(rng.bounded(quint64(n)))));
    // Breadth first, so that every level but the last is full; the numbers in the
    // identifiers keep their order apart from the order of the rows.
    QStringList broad{QStringLiteral("BROAD")};
    add(broad.front(), RootConcept);
    for (int k = 1; k <= BroadDescendants; ++k) {
        broad << QStringLiteral("BROAD-%1-%2").arg(rng.bounded(1000000)).arg(k);
        add(broad.back(), broad.at((k - 1) / 8));
    }
    tx.commit();
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <file.ont>\n", argv[0]);
        return 2;
    }
    const QString file = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString source = file.section(QLatin1Char('/'), 0, -2) + QStringLiteral("/onto-") +
                           QFileInfo(file).baseName().section(QLatin1Char('-'), -1) + QStringLiteral(".ont");
    ui::setAppPath(QFileInfo(file).absolutePath());
    ui::setSettingsFolder(QFileInfo(file).absolutePath());

    bench::ensureProperties(file);
    OntologyDB = db::Database::open(file);
    RootConcept = QStringLiteral("ALL");
    const qint64 generated = OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM CONCEPTS WHERE Concept LIKE 'C-%'")).toLongLong();
    addShapes(generated);
    OntologyDB.close();

    auto main = std::make_shared<frmOntoEdit>();
    main->load();
    main->show();
    QString path = file;
    OntologyPath = path;
    OntologyFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    main->OpenOntology(path);
    bench::size() = QString::number(main->TotalCount);
    QDir(OntologyPublishFolder()).removeRecursively();
    QDir().mkpath(OntologyPublishFolder());

    // Opening, up to the root's page shown and painted.
    QElapsedTimer t;
    t.start();
    main->mnuToolsOntoNav_Click();
    const auto nav = ui::forms().first<frmOntoNav>();
    nav->window()->repaint();
    QApplication::processEvents();
    figure("navigator-open", ms(t), "ms");

    // The wide node, below the root.
    nav->Tree1->expand(nav->TreeModel->indexOf(nav->RootNode));
    QApplication::processEvents();
    ConceptTreeModel::Node *wide = nav->TreeModel->findChild(nav->RootNode, QStringLiteral("WIDE"));
    t.restart();
    nav->Tree1->expand(nav->TreeModel->indexOf(wide));
    nav->Tree1->viewport()->repaint();
    figure("expand-40000-children", ms(t), "ms");
    nav->Tree1->collapse(nav->TreeModel->indexOf(wide));

    t.restart();
    nav->FindExactConcept(QStringLiteral("DEEP-39"));
    nav->Tree1->viewport()->repaint();
    figure("reveal-and-select-depth-39", ms(t), "ms");

    // The broad search: every match revealed, the first selected; then the repeats.
    nav->cbxFind->setEditText(QStringLiteral("QRS"));
    t.restart();
    nav->SearchConcept();
    nav->Tree1->viewport()->repaint();
    figure("search-10000-matches-reveal-all", ms(t), "ms");
    std::vector<double> repeats;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer r;
        r.start();
        nav->SearchConcept();
        nav->Tree1->viewport()->repaint();
        repeats.push_back(ms(r));
    }
    figure("search-repeat", median(repeats), "ms");
    figure("search-repeat-slowest", *std::max_element(repeats.begin(), repeats.end()), "ms");

    // A page written on demand and shown: a concept with about 1,000 descendants.
    const QString thousand =
        bench::readTargets(source + QStringLiteral(".targets")).value(QStringLiteral("about-1000-descendants"));
    if (!thousand.isEmpty()) {
        t.restart();
        nav->FindExactConcept(thousand);
        figure("hand-over-reveal-and-select", ms(t), "ms");
        t.restart();
        nav->Tree1_NodeClick();
        while (nav->Browser->pageComing())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        nav->Browser->viewport()->repaint();
        figure("show-page-about-1000-descendants", ms(t), "ms");
    }
    // The page of a top concept, most of it one list of links in one table cell: written
    // on its own; then, its file removed, shown as on a first visit from the click to its
    // first screen painted, the hourglass gone (the navigator writes it first); and the
    // longest the event loop waited for a turn from the click until the page was whole,
    // as a timer that fires at every turn sees it.
    t.restart();
    WriteConceptPage(QStringLiteral("BROAD"), OntologyPublishFolder(), true, true, true, true);
    figure("write-page-about-100000-descendants", ms(t), "ms");
    QFile::remove(QDir(OntologyPublishFolder()).filePath(PageFileName(QStringLiteral("BROAD"))));
    nav->FindExactConcept(QStringLiteral("BROAD"));
    QApplication::processEvents();
    double longestWait = 0;
    QElapsedTimer sinceTurn;
    QTimer turns;
    turns.setInterval(0);
    QObject::connect(&turns, &QTimer::timeout, [&] {
        longestWait = std::max(longestWait, ms(sinceTurn));
        sinceTurn.restart();
    });
    turns.start();
    sinceTurn.start();
    t.restart();
    nav->Tree1_NodeClick();
    while (ui::screenMousePointer() == ui::MousePointer::Hourglass)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    figure("show-page-about-100000-descendants", ms(t), "ms");
    while (nav->Browser->pageComing())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    figure("page-whole-about-100000-descendants", ms(t), "ms");
    figure("gui-blocked-longest-page-about-100000-descendants", longestWait, "ms");
    turns.stop();
    figure("peak-memory", peakMegabytes(), "MB");
    nav->unload();
    main->unload();
    return 0;
}
