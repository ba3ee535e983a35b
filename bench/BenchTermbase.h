#pragma once
// The termbase the termbase editor's benchmarks run on: in a program folder of its own,
// a termbase of as many entries as its ontology has concepts, in a shuffled order; each
// entry has three language sections of two terms, a note, and a cross-reference from its
// first term to another entry's. Term texts are the concept in lower case, the language
// and the term's number ("k0000123 en 0").

#include "ontology/Global.h"
#include "ontology/OntologySchema.h"
#include "termbase/Global.h"
#include "termbase/NewTermbase.h"
#include "ui/App.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <vector>

// An ontology of n concepts under its root, named in no order against their insertion,
// each under a parent among those before it.
inline void makeOntology(const QString &path, int n)
{
    OntologyPath = path;
    OntologyFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    CreateOntologyDatabase(path);
    RootConcept = QStringLiteral("ALL");
    OntologyInfo.Name = QStringLiteral("Bench");
    db::Transaction tx(OntologyDB);
    db::Statement add(OntologyDB, QStringLiteral("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES (?, 1, 1)"));
    db::Statement isa(OntologyDB, QStringLiteral("INSERT INTO ISA (Concept, ISA) VALUES (?, ?)"));
    const auto name = [](int i) { return QStringLiteral("K%1").arg((qint64(i) * 7919) % 1000003, 7, 10, QLatin1Char('0')); };
    for (int i = 1; i <= n; ++i) {
        add.bind(1, name(i));
        add.run();
        isa.bind(1, name(i));
        isa.bind(2, i <= 8 ? QStringLiteral("OBJECT") : name(i / 8));
        isa.run();
    }
    tx.commit();
}

// Entries for every concept in a shuffled order: three language sections of two terms,
// a note, and a cross-reference from the first term to a term of another entry.
inline void fillEntries(const QString &path, int entries)
{
    db::Database tb = db::Database::open(path);
    std::vector<QString> concepts;
    db::Statement read(tb, QStringLiteral("SELECT Concept FROM CONCEPTS"));
    while (read.step())
        concepts.push_back(read.column(0).toString());
    std::shuffle(concepts.begin(), concepts.end(), *QRandomGenerator::global());
    concepts.resize(std::min<size_t>(concepts.size(), size_t(entries)));

    db::Transaction tx(tb);
    qint64 id = tb.scalar(QStringLiteral("SELECT max(elemID) FROM elements")).toLongLong();
    db::Statement element(tb, QStringLiteral("INSERT INTO elements (elemID, categoryID, parentID) VALUES (?, ?, ?)"));
    db::Statement entryConcept(tb, QStringLiteral("INSERT INTO TE_CONCEPTS (elemID, Concept) VALUES (?, ?)"));
    db::Statement lang(tb, QStringLiteral("INSERT INTO elements_use_lang (elemID, langID) VALUES (?, ?)"));
    db::Statement term(tb, QStringLiteral("INSERT INTO TERMS (elemID, term, langID) VALUES (?, ?, ?)"));
    db::Statement text(tb, QStringLiteral("INSERT INTO text_values (elemID, value) VALUES (?, ?)"));
    db::Statement pointer(tb, QStringLiteral("INSERT INTO pointers (elemID, targetID) VALUES (?, ?)"));
    const auto add = [&](const char *category, qint64 parent) {
        element.bindAll({++id, QString::fromLatin1(category), parent});
        element.run();
        return id;
    };
    std::vector<qint64> firstTerms;
    for (size_t e = 0; e < concepts.size(); ++e) {
        const qint64 entry = add("0.3", 3);
        entryConcept.bindAll({entry, concepts[e]});
        entryConcept.run();
        for (const char *l : {"en", "es", "de"}) {
            const qint64 section = add("0.4", entry);
            lang.bindAll({section, QString::fromLatin1(l)});
            lang.run();
            for (int t = 0; t < 2; ++t) {
                const qint64 termID = add("1", section);
                term.bindAll({termID, concepts[e].toLower() + QStringLiteral(" %1 %2").arg(QLatin1String(l)).arg(t), QString::fromLatin1(l)});
                term.run();
                if (t == 0 && QLatin1String(l) == QLatin1String("en"))
                    firstTerms.push_back(termID);
            }
        }
        const qint64 note = add("8", entry);
        text.bindAll({note, QStringLiteral("A note on ") + concepts[e]});
        text.run();
        lang.bindAll({note, QStringLiteral("en")});
        lang.run();
    }
    // Cross-references once every term exists: each first term to the next entry's.
    for (size_t e = 0; e < firstTerms.size(); ++e) {
        const qint64 xref = add("9.2.3", firstTerms[e]);
        text.bindAll({xref, QStringLiteral("related term")});
        text.run();
        pointer.bindAll({xref, firstTerms[(e + 1) % firstTerms.size()]});
        pointer.run();
    }
    tx.commit();
    tb.close();
}

// Makes the termbase (and its ontology, left open) in folder; returns its path.
inline QString MakeBenchTermbase(const QString &folder, int entries)
{
    QFile::copy(QStringLiteral(LX_RES_DAT), QDir(folder).filePath(QStringLiteral("res.dat")));
    ui::setAppPath(folder);
    QDir(folder).mkdir(QStringLiteral("TermBases"));
    makeOntology(QDir(folder).filePath(QStringLiteral("bench.ont")), entries);
    const QString path = QDir(folder).filePath(QStringLiteral("TermBases/bench.lxb"));
    {
        NewTermbase made(path);
        TermbaseInfoRecord properties;
        properties.Name = QStringLiteral("Bench");
        made.complete(properties);
    }
    fillEntries(path, entries);
    return path;
}

