// Writes a synthetic ontology of a given size for the benchmarks, laid out as a file
// grown over years looks: the concepts are stored in no particular order against their
// identifiers; a few dozen top branches under OBJECT, EVENT, ATTRIBUTE and RELATION (about
// half of all concepts objects, two fifths events), each concept of its branch's type;
// about eight children per concept; one concept in twenty with a second parent of its own
// type; here and there a chain that runs down to 39 ancestors, reached along several
// paths; relation and attribute slots on one concept in five (some of them defaults, some
// "*NOTHING*"). Beside the file it writes <file>.targets, naming the concepts the
// benchmarks ask about.
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
    constexpr qsizetype MaxDepth = 39;
    constexpr int TopBranches = 40;
    std::vector<qsizetype> parent(size_t(n) + 1, 0), depth(size_t(n) + 1, 0), subtree(size_t(n) + 1, 1);
    std::vector<int> children(size_t(n) + 1, 0), type(size_t(n) + 1, 1);
    {
        qsizetype next = 1;
        const auto place = [&](qsizetype child, qsizetype p) {
            parent[size_t(child)] = p;
            depth[size_t(child)] = depth[size_t(p)] + 1;
            type[size_t(child)] = p == 0 ? 0 : type[size_t(p)];
            ++children[size_t(p)];
        };
        for (qsizetype p = 0; next <= n; ++p) {
            // The deepest concepts get no children, so no chain runs past MaxDepth ancestors.
            if (depth[size_t(p)] >= MaxDepth - 1)
                continue;
            const int fanout = p == 0 ? TopBranches : 5 + int(rng.bounded(7));  // 5 to 11, about 8
            for (int i = 0; i < fanout && next <= n; ++i) {
                const qsizetype child = next++;
                place(child, p);
                if (p == 0) {
                    const int roll = int(rng.bounded(100));
                    type[size_t(child)] = roll < 53 ? 1 : roll < 93 ? 2 : roll < 97 ? 3 : 4;
                }
                // Now and then a long chain of single children, as a detailed corner of
                // a hierarchy grows.
                if (p != 0 && rng.bounded(400) == 0) {
                    qsizetype at = child;
                    for (int length = 10 + int(rng.bounded(30)); length > 0 && next <= n && depth[size_t(at)] < MaxDepth - 1;
                         --length) {
                        place(next, at);
                        at = next++;
                    }
                }
            }
        }
    }
    // The top branches hang under the seed concept of their type.
    const QString typeRoots[] = {{}, QStringLiteral("OBJECT"), QStringLiteral("EVENT"), QStringLiteral("ATTRIBUTE"),
                                 QStringLiteral("RELATION")};
    const auto parentId = [&](qsizetype k) {
        const qsizetype p = parent[size_t(k)];
        return p == 0 ? typeRoots[type[size_t(k)]] : idOf(p);
    };

    // Stored in an order that has nothing to do with the identifiers' order.
    std::vector<qsizetype> order(static_cast<size_t>(n));
    for (qsizetype k = 1; k <= n; ++k)
        order[size_t(k - 1)] = k;
    for (size_t i = order.size(); i > 1; --i)
        std::swap(order[i - 1], order[size_t(rng.bounded(quint64(i)))]);

    db::Transaction tx(OntologyDB);
    db::Statement insertConcept(OntologyDB, "INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES (?, ?, ?, 1)");
    db::Statement insertIsa(OntologyDB, "INSERT INTO ISA (Concept, ISA) VALUES (?, ?)");
    db::Statement insertRelation(OntologyDB, "INSERT INTO RELATIONS (Concept1, Rel, \"Default\", Concept2) VALUES (?, ?, ?, ?)");
    db::Statement insertAttribute(OntologyDB, "INSERT INTO ATTRIBUTES (Concept, Attribute, \"Default\", Value) VALUES (?, ?, ?, ?)");
    for (const qsizetype k : order)
        insertConcept.bindAll({idOf(k), QStringLiteral("Synthetic concept number %1, made for measuring.").arg(k), type[size_t(k)]})
            .run();
    qsizetype secondParents = 0;
    for (const qsizetype k : order) {
        const QString id = idOf(k);
        insertIsa.bindAll({id, parentId(k)}).run();
        if (k > 2 && rng.bounded(20) == 0) {
            // A second parent of the same type, found in a few tries.
            for (int attempt = 0; attempt < 8; ++attempt) {
                const qsizetype second = 1 + qsizetype(rng.bounded(quint64(k - 1)));
                if (second == parent[size_t(k)] || type[size_t(second)] != type[size_t(k)] ||
                    depth[size_t(second)] >= MaxDepth - 1)
                    continue;
                insertIsa.bindAll({id, idOf(second)}).run();
                ++children[size_t(second)];
                ++secondParents;
                break;
            }
        }
        if (type[size_t(k)] <= 2 && rng.bounded(5) == 0) {
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
    qsizetype eight = -1, thousand = 1, forty = 1, deepest = 1, typed = n;
    for (qsizetype k = 1; k <= n; ++k) {
        if (eight < 0 && children[size_t(k)] == 8)
            eight = k;
        if (std::abs(subtree[size_t(k)] - 1001) < std::abs(subtree[size_t(thousand)] - 1001))
            thousand = k;
        if (std::abs(subtree[size_t(k)] - 40001) < std::abs(subtree[size_t(forty)] - 40001))
            forty = k;
        if (depth[size_t(k)] > depth[size_t(deepest)])
            deepest = k;
    }
    // An identifier of eight characters to type, C- and six digits, when there is one.
    for (qsizetype k = std::min<qsizetype>(n, 999999) * 77 / 100; k <= n; ++k)
        if (idOf(k).size() == 8) {
            typed = k;
            break;
        }
    QFile targets(path + QStringLiteral(".targets"));
    if (!targets.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    QTextStream out(&targets);
    out << "concepts " << n << "\n"
        << "eight-children " << idOf(std::max<qsizetype>(eight, 0)) << "\n"
        << "deepest " << idOf(deepest) << "\n"
        << "about-1000-descendants " << idOf(thousand) << "\n"
        << "about-40000-descendants " << idOf(forty) << "\n"
        << "eight-characters " << idOf(typed) << "\n";
    std::printf("%s: %lld concepts, depth %lld, %lld second parents\n", qPrintable(path), qlonglong(n),
                qlonglong(depth[size_t(deepest)]), qlonglong(secondParents));
    return 0;
}
