// Times the page writers on one synthetic ontology (see make_ontology.cpp): every concept
// page with all four optional rows from one snapshot, the largest page alone, and the
// entry pages of a termbase with an entry for every concept. One line per figure,
// "<operation> <concepts> <value> <unit>".
//
//   lx_pages_bench <copy of file.ont> <output folder> [entries]

#include "Figures.h"
#include "ontology/Global.h"
#include "publish/HTMLStuff.h"
#include "termbase/Global.h"
#include "termbase/NewTermbase.h"
#include "termbase/TermbaseFile.h"
#include "ui/App.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using bench::figure;
using bench::peakMegabytes;

double seconds(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e9; }

// The non-excluded concept with the most descendants: the top of a branch, right below
// the root or an excluded top concept.
QString largestPage(const HierarchySnapshot &s)
{
    QString best;
    qsizetype most = -1;
    QStringList tops{RootConcept};
    for (qsizetype i = 0; i < tops.size(); ++i)
        for (const QString &c : s.children(tops.at(i))) {
            if (IsExcludedFromStructures(c)) {
                if (!tops.contains(c))
                    tops << c;
                continue;
            }
            const qsizetype n = s.sortedDescendants(c).size();
            if (n > most) {
                most = n;
                best = c;
            }
        }
    return best;
}

// An entry for every concept: a note in English, an English section with one term, its
// term type, and a cross-reference to the previous entry's term on every fifth.
void fillTermbase(qint64 firstElement)
{
    db::Transaction tx(TermbaseDB);
    db::Statement element(TermbaseDB, "INSERT INTO elements (elemID, categoryID, parentID) VALUES (?, ?, ?)");
    db::Statement entryConcept(TermbaseDB, "INSERT INTO TE_CONCEPTS (elemID, Concept) VALUES (?, ?)");
    db::Statement text(TermbaseDB, "INSERT INTO text_values (elemID, value) VALUES (?, ?)");
    db::Statement language(TermbaseDB, "INSERT INTO elements_use_lang (elemID, langID) VALUES (?, 'en')");
    db::Statement term(TermbaseDB, "INSERT INTO TERMS (elemID, term, langID) VALUES (?, ?, 'en')");
    db::Statement picklist(TermbaseDB, "INSERT INTO picklist_values (elemID, value) VALUES (?, 'fullForm')");
    db::Statement pointer(TermbaseDB, "INSERT INTO pointers (elemID, targetID) VALUES (?, ?)");
    db::Statement ids(TermbaseDB, "SELECT Concept FROM CONCEPTS");
    qint64 id = firstElement;
    qint64 previousTerm = 0;
    qint64 k = 0;
    while (ids.step()) {
        const QString c = ids.column(0).toString();
        const qint64 entry = id++, note = id++, section = id++, t = id++, type = id++;
        element.bindAll({entry, "0.3", 3}).run();
        entryConcept.bindAll({entry, c}).run();
        element.bindAll({note, "8", entry}).run();
        text.bindAll({note, QStringLiteral("A note on the entry of %1.").arg(c)}).run();
        language.bind(1, note).run();
        element.bindAll({section, "0.4", entry}).run();
        language.bind(1, section).run();
        element.bindAll({t, "1", section}).run();
        term.bindAll({t, c.toLower()}).run();
        element.bindAll({type, "2.1", t}).run();
        picklist.bind(1, type).run();
        if (previousTerm && ++k % 5 == 0) {
            const qint64 xref = id++;
            element.bindAll({xref, "10.6.1", t}).run();
            pointer.bindAll({xref, previousTerm}).run();
        }
        previousTerm = t;
    }
    tx.commit();
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <copy of file.ont> <output folder> [entries]\n", argv[0]);
        return 2;
    }
    const QString file = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString out = QString::fromLocal8Bit(argv[2]);
    const bool entries = argc > 3 && QByteArray(argv[3]) == "entries";
    QDir(out).removeRecursively();
    QDir().mkpath(out + QStringLiteral("/concepts"));

    OntologyDB = db::Database::open(file, {false, false, {}, ontologyTables()});
    OntologyPath = file;
    OntologyFolder = QFileInfo(file).absolutePath() + QLatin1Char('/');
    RootConcept = FindRootConcept();
    bench::size() = QString::number(OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM CONCEPTS")).toLongLong());

    QElapsedTimer t;
    t.start();
    const HierarchySnapshot snapshot = HierarchySnapshot::read(OntologyDB, RootConcept);
    figure("read-snapshot", seconds(t) * 1000, "ms");

    const QString folder = out + QStringLiteral("/concepts");
    const QString largest = largestPage(snapshot);
    std::fprintf(stderr, "%s: the largest page is %s's, with %lld descendants\n", qPrintable(file), qPrintable(largest),
                 qlonglong(snapshot.sortedDescendants(largest).size()));
    t.restart();
    WriteConceptPage(largest, folder, true, true, true, true, &snapshot);
    figure("largest-concept-page-snapshot", seconds(t) * 1000, "ms");
    t.restart();
    WriteConceptPage(largest, folder, true, true, true, true);
    figure("largest-concept-page-engine", seconds(t), "s");

    {
        db::Transaction read(OntologyDB);
        const QStringList all = snapshot.concepts();
        const double cpu = bench::processorSeconds();
        t.restart();
        for (const QString &c : all)
            WriteConceptPage(c, folder, true, true, true, true, &snapshot);
        const double s = seconds(t);
        read.commit();
        figure("concept-pages-all-options", double(all.size()) / s, "pages/s");
        figure("concept-pages-all-options-per-processor-second", double(all.size()) / (bench::processorSeconds() - cpu),
               "pages/s");
    }
    figure("peak-memory-concept-pages", peakMegabytes(), "MB");
    QDir(folder).removeRecursively();

    if (entries) {
        QTemporaryDir program;
        QFile::copy(QStringLiteral(LX_RES_DAT), program.filePath(QStringLiteral("res.dat")));
        ui::setAppPath(program.path());
        const QString termbases = out + QStringLiteral("/termbase/");
        QDir().mkpath(termbases);
        const QString path = termbases + QStringLiteral("bench.lxb");
        TermbaseInfoRecord properties;
        properties.Name = QStringLiteral("Bench");
        {
            NewTermbase made(path);
            made.complete(properties);
        }
        const OpenedTermbase opened = OpenTermbaseFile(path);
        fillTermbase(opened.LastElemID + 1);
        std::vector<std::pair<qint64, QString>> list;
        {
            db::Statement st(TermbaseDB, "SELECT elemID, Concept FROM TE_CONCEPTS ORDER BY elemID");
            while (st.step())
                list.emplace_back(st.column(0).toLongLong(), st.column(1).toString());
        }
        const QString pages = termbases + QStringLiteral("Bench-publish");
        db::Transaction readOntology(OntologyDB);
        db::Transaction readTermbase(TermbaseDB);
        const double cpu = bench::processorSeconds();
        t.restart();
        for (const auto &[elemID, name] : list)
            WriteTermEntryPage(name, elemID, pages, true, true, true, true, true, &snapshot);
        const double s = seconds(t);
        const double used = bench::processorSeconds() - cpu;
        readTermbase.commit();
        readOntology.commit();
        std::printf("entry-pages-with-structures %lld %.4g pages/s\n", qlonglong(list.size()), double(list.size()) / s);
        std::printf("entry-pages-with-structures-per-processor-second %lld %.4g pages/s\n", qlonglong(list.size()),
                    double(list.size()) / used);
        figure("peak-memory-entry-pages", peakMegabytes(), "MB");
        ReleaseTermbase();
    }
    OntologyDB.close();
    QDir(out).removeRecursively();
    return 0;
}
