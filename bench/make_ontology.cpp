// Writes a synthetic ontology of a given size for the benchmarks: a hierarchy under the
// root with about eight children per concept, one concept in twenty with a second
// parent, and relation and attribute slots on one concept in five (some of them
// defaults, some "*NOTHING*"). Beside the file it writes <file>.targets, naming the
// concepts the benchmark asks about.
//
//   lx_make_ontology <file.ont> <concepts> [seed]

#include "ontology/Global.h"
#include "ontology/OntologySchema.h"
#include "ui/App.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

QString idOf(qsizetype k) { return k == 0 ? QStringLiteral("ALL") : QStringLiteral("C-%1").arg(k); }

const QStringList relationSlots{"PART-OF", "LOCATED-IN", "MADE-OF", "CAUSES", "AGENT-OF"};
const QStringList attributeSlots{"COLOR", "SIZE", "SHAPE"};
const QStringList words{"red", "green", "blue", "small", "large", "round", "square", "heavy", "light", "soft"};

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <file.ont> <concepts> [seed]\n", argv[0]);
        return 2;
    }
    const QString path = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const qsizetype n = QByteArray(argv[2]).toLongLong();
    QRandomGenerator rng(argc > 3 ? QByteArray(argv[3]).toUInt() : 20240611u);
    ui::setAppPath(QCoreApplication::applicationDirPath());
    QFile::remove(path);
    QFile::remove(path + QStringLiteral(".targets"));

    OntologyPath = path;
    CreateOntologyDatabase(path);

    // Node k (1..n) is C-k; node 0 is the root. Parents always have a smaller number, so
    // the links can form no cycle.
    std::vector<qsizetype> parent(size_t(n) + 1, 0), depth(size_t(n) + 1, 0), subtree(size_t(n) + 1, 1);
    std::vector<int> children(size_t(n) + 1, 0);
    {
        qsizetype next = 1;
        for (qsizetype p = 0; next <= n; ++p) {
            const int fanout = 5 + int(rng.bounded(7));  // 5 to 11, about 8
            for (int i = 0; i < fanout && next <= n; ++i, ++next) {
                parent[size_t(next)] = p;
                depth[size_t(next)] = depth[size_t(p)] + 1;
                ++children[size_t(p)];
            }
        }
    }

    db::Transaction tx(OntologyDB);
    db::Statement insertConcept(OntologyDB, "INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES (?, ?, 1, 1)");
    db::Statement insertIsa(OntologyDB, "INSERT INTO ISA (Concept, ISA) VALUES (?, ?)");
    db::Statement insertRelation(OntologyDB, "INSERT INTO RELATIONS (Concept1, Rel, \"Default\", Concept2) VALUES (?, ?, ?, ?)");
    db::Statement insertAttribute(OntologyDB, "INSERT INTO ATTRIBUTES (Concept, Attribute, \"Default\", Value) VALUES (?, ?, ?, ?)");
    for (qsizetype k = 1; k <= n; ++k) {
        const QString id = idOf(k);
        insertConcept.bindAll({id, QStringLiteral("Synthetic concept number %1, made for measuring.").arg(k)}).run();
        insertIsa.bindAll({id, idOf(parent[size_t(k)])}).run();
        if (k > 2 && rng.bounded(20) == 0) {
            const qsizetype second = 1 + qsizetype(rng.bounded(quint64(k - 1)));
            if (second != parent[size_t(k)]) {
                insertIsa.bindAll({id, idOf(second)}).run();
                ++children[size_t(second)];
            }
        }
        if (rng.bounded(5) == 0) {
            const bool nothing = rng.bounded(20) == 0;
            const bool byDefault = rng.bounded(10) == 0;
            const qsizetype filler = 1 + qsizetype(rng.bounded(quint64(k)));
            insertRelation.bindAll({id, relationSlots.at(rng.bounded(int(relationSlots.size()))), byDefault, idOf(filler)}).run();
            insertAttribute.bindAll({id, attributeSlots.at(rng.bounded(int(attributeSlots.size()))), byDefault,
                               nothing ? QStringLiteral("*NOTHING*") : words.at(rng.bounded(int(words.size())))})
                .run();
        }
    }
    tx.commit();
    OntologyDB.close();

    for (qsizetype k = n; k >= 1; --k)
        subtree[size_t(parent[size_t(k)])] += subtree[size_t(k)];
    qsizetype eight = -1, thousand = 1;
    for (qsizetype k = 1; k <= n; ++k) {
        if (eight < 0 && children[size_t(k)] == 8)
            eight = k;
        if (std::abs(subtree[size_t(k)] - 1001) < std::abs(subtree[size_t(thousand)] - 1001))
            thousand = k;
    }
    QFile targets(path + QStringLiteral(".targets"));
    if (!targets.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    QTextStream out(&targets);
    out << "concepts " << n << "\n"
        << "eight-children " << idOf(std::max<qsizetype>(eight, 0)) << "\n"
        << "deepest " << idOf(n) << "\n"
        << "about-1000-descendants " << idOf(thousand) << "\n";
    std::printf("%s: %lld concepts, depth %lld\n", qPrintable(path), qlonglong(n), qlonglong(depth[size_t(n)]));
    return 0;
}
