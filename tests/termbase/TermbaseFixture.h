#pragma once
// A working ontology with a few concepts and a termbase made for it the way New makes
// one, in its own folder beside the ontology's, opened for work.

#include "support/OntologyFixture.h"
#include "termbase/Global.h"
#include "termbase/NewTermbase.h"
#include "termbase/TermbaseFile.h"

#include <QDir>

inline TermbaseInfoRecord typedProperties(const QString &name)
{
    TermbaseInfoRecord p;
    p.Name = name;
    p.Owner = QStringLiteral("Owner");
    p.Author = QStringLiteral("Author");
    p.Contact = QStringLiteral("contact@example.org");
    p.Description = QStringLiteral("A termbase for tests");
    return p;
}

struct WorkingOntology {
    NewOntology ontology;
    QString folder;  // where termbases go, ending in a separator
    WorkingOntology()
    {
        RootConcept = QStringLiteral("ALL");
        OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('DOG', 1, 1), ('CAT', 1, 1)");
        QDir(ontology.dir.path()).mkdir(QStringLiteral("TermBases"));
        folder = ontology.dir.file(QStringLiteral("TermBases")) + QLatin1Char('/');
    }
    ~WorkingOntology()
    {
        ReleaseTermbase();
        RootConcept.clear();
    }
    QString file(const QString &name) const { return folder + name; }
    // Creates a termbase with the given Name, complete, and leaves it closed.
    QString create(const QString &fileName = QStringLiteral("test.lxb"), const QString &name = QStringLiteral("Test"))
    {
        const QString path = file(fileName);
        NewTermbase made(path);
        made.complete(typedProperties(name));
        return path;
    }
};

struct OpenTermbase : WorkingOntology {
    QString path;
    OpenedTermbase opened;
    OpenTermbase() : path(create()), opened(OpenTermbaseFile(path)) {}
    qint64 count(const QString &sql, const QVariantList &params = {}) const
    {
        return TermbaseDB.scalar(sql, params).toLongLong();
    }
};
