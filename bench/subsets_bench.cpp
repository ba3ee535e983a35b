// Times the subset and batch-naming work on one synthetic ontology (see
// make_ontology.cpp): moving 10,000 rows of the first subset's list, checked at random, as
// the Transfer window does, beside SQLite alone moving those rows back; moving 100,000
// concepts, picked across the ontology in no order, into another subset; naming them in
// one language and removing those names; and removing the subset that now holds them,
// with one termbase linked that loses them too.
// Prints "<operation> <concepts> <value> <unit>" lines, the ontology's size as <concepts>,
// and what the operations add to the peak memory, which the bulk cache bounds (64 MiB of
// pages) rather than the size of the ontology.
//
//   lx_subsets_bench <file.ont> <res.dat>

#include "Figures.h"
#include "db/Schema.h"
#include "ontology/BatchNames.h"
#include "ontology/ConceptList.h"
#include "ontology/Global.h"
#include "ontology/OntologySchema.h"
#include "ontology/Subsets.h"
#include "termbase/NewTermbase.h"
#include "termbase/TermbaseLinks.h"
#include "ui/App.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <sqlite3.h>

namespace {

double timedMs(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    return double(t.nsecsElapsed()) / 1e6;
}

// Moves the concepts from one subset to another through SQLite's own interface on a
// connection of its own; the time from the first statement to the commit.
double engineMovesMs(const QString &file, const QStringList &concepts, int from, int to)
{
    sqlite3 *raw = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "engine: %s\n", sqlite3_errmsg(raw));
        sqlite3_close(raw);
        return 0;
    }
    sqlite3_exec(raw, "PRAGMA foreign_keys = ON; PRAGMA cache_size = -65536", nullptr, nullptr, nullptr);
    QElapsedTimer t;
    t.start();
    sqlite3_exec(raw, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_stmt *move = nullptr;
    sqlite3_prepare_v2(raw, "UPDATE CONCEPTS SET Subset_ID = ? WHERE Concept = ? AND Subset_ID = ?", -1, &move, nullptr);
    int changed = 0;
    for (const QString &c : concepts) {
        const QByteArray bytes = c.toUtf8();
        sqlite3_bind_int(move, 1, to);
        sqlite3_bind_text(move, 2, bytes.constData(), int(bytes.size()), SQLITE_STATIC);
        sqlite3_bind_int(move, 3, from);
        sqlite3_step(move);
        sqlite3_reset(move);
        changed += sqlite3_changes(raw);
    }
    sqlite3_finalize(move);
    const int committed = sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    if (committed != SQLITE_OK || changed != concepts.size())
        std::fprintf(stderr, "engine moved %d of %lld rows: %s\n", changed, qlonglong(concepts.size()), sqlite3_errmsg(raw));
    sqlite3_close(raw);
    return ms;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <file.ont> <res.dat>\n", argv[0]);
        return 2;
    }
    const QString file = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString folder = QFileInfo(file).absolutePath();
    QFile::remove(QDir(folder).filePath(QStringLiteral("res.dat")));
    QFile::copy(QString::fromLocal8Bit(argv[2]), QDir(folder).filePath(QStringLiteral("res.dat")));
    ui::setAppPath(folder);

    OntologyPath = file;
    OntologyFolder = folder + QLatin1Char('/');
    OntologyDB = db::Database::open(file);
    // As opening the file in the program does, for a file made before its lists' indexes.
    db::createMissingIndexes(OntologyDB, ontologySchema());
    RootConcept = QStringLiteral("ALL");
    const qsizetype size = OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM CONCEPTS")).toLongLong();
    bench::size() = QString::number(size);

    // The generator's concepts are C-1 to C-n; a hundred thousand of them, drawn at random
    // (every one of them in an ontology of 100,000).
    QStringList chosen;
    {
        const qsizetype generated = size - OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM CONCEPTS "
                                                                            "WHERE Concept NOT LIKE 'C-%'")).toLongLong();
        std::vector<qsizetype> numbers(static_cast<size_t>(generated));
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), *QRandomGenerator::global());
        numbers.resize(std::min<size_t>(numbers.size(), 100000));
        for (qsizetype k : numbers)
            chosen << QStringLiteral("C-%1").arg(k);
    }

    // A termbase linked to the ontology, holding every concept, as New makes one.
    const QString termbases = QDir(folder).filePath(QStringLiteral("TermBases"));
    QDir(termbases).removeRecursively();
    QDir(folder).mkdir(QStringLiteral("TermBases"));
    OntologyDB.execute(QStringLiteral("DELETE FROM TermBases"));
    {
        TermbaseInfoRecord properties;
        properties.Name = QStringLiteral("Bench");
        NewTermbase made(QDir(termbases).filePath(QStringLiteral("bench.lxb")));
        made.complete(properties);
    }

    // What the operations add to the memory of a program that has the ontology open.
    const double baseline = bench::peakMegabytes();

    // The Transfer window's list of the first subset, which holds every concept yet, with
    // 10,000 rows checked here and there: the checked rows are read in list order, then
    // moved. The engine's move back leaves the subset as it was for what follows.
    {
        const auto listed = ConceptList::inSubset(OntologyDB, 1);
        std::vector<int> rows(static_cast<size_t>(listed->rowCount()));
        std::iota(rows.begin(), rows.end(), 0);
        std::shuffle(rows.begin(), rows.end(), *QRandomGenerator::global());
        rows.resize(std::min<size_t>(rows.size(), 10000));
        std::sort(rows.begin(), rows.end());
        const int scattered = *FreeSubsetID();
        AddSubset(scattered, QStringLiteral("Scattered"));
        qsizetype moved = 0;
        QStringList checked;
        const double transfer = timedMs([&] {
            checked = listed->texts(rows);  // as the window reads its checked rows
            moved = TransferConcepts(checked, 1, scattered);
        });
        bench::figure("transfer_10k_scattered_rows", transfer, "ms");
        if (moved != qsizetype(rows.size()))
            std::fprintf(stderr, "moved %lld of %lld checked rows\n", qlonglong(moved), qlonglong(rows.size()));
        // The engine alone moving the same rows back, one prepared statement in one
        // transaction with as much cache: what any program pays for rows scattered over
        // the file, their pages journaled and written.
        const double engine = engineMovesMs(file, checked, scattered, 1);
        bench::figure("engine_update_10k_scattered_rows", engine, "ms");
        bench::ratio("transfer_10k_scattered_rows", transfer / engine);
    }

    const int target = *FreeSubsetID();
    AddSubset(target, QStringLiteral("Moved"));
    bench::figure("transfer_100k_concepts", timedMs([&] { TransferConcepts(chosen, 1, target); }), "ms");
    bench::figure("add_names_100k_concepts",
           timedMs([&] { AddBatchNames(chosen, QStringLiteral("en"), BatchNameForm::Label); }), "ms");
    bench::figure("remove_names_100k_concepts", timedMs([&] { RemoveBatchNames(chosen, QStringLiteral("en")); }), "ms");

    // What the removal's question counts before the user answers.
    bench::figure("count_losing_last_parent_100k_subset",
                  timedMs([&] { CountConceptsLosingTheirLastParent(target); }), "ms");
    QStringList removed;
    bench::figure("remove_subset_100k_concepts_ontology", timedMs([&] { removed = RemoveSubset(target); }), "ms");
    bench::figure("remove_subset_100k_concepts_one_termbase",
           timedMs([&] { DeleteFromLinkedTermbases(removed); }), "ms");
    if (removed.size() != chosen.size())
        std::fprintf(stderr, "removed %lld of %lld concepts\n", qlonglong(removed.size()), qlonglong(chosen.size()));

    bench::figure("peak_memory_over_open_ontology", bench::peakMegabytes() - baseline, "MB");

    OntologyDB.close();
    return 0;
}
