#pragma once
// A fresh ontology made the way New makes one, in a temporary program folder.

#include "ontology/Global.h"
#include "ontology/OntologySchema.h"
#include "support/TestFolder.h"
#include "ui/App.h"

struct NewOntology {
    TestFolder dir;
    explicit NewOntology(const QString &name = QStringLiteral("test.ont"))
    {
        ui::setAppPath(dir.path());
        OntologyPath = dir.file(name);
        OntologyFolder = dir.path() + QLatin1Char('/');
        CreateOntologyDatabase(OntologyPath);
    }
    ~NewOntology()
    {
        RSInherit.reset();
        OntologyDB.close();
        OntologyPath.clear();
        ui::setAppPath({});
    }
    int count(const QString &sql, const QVariantList &params = {}) const
    {
        return OntologyDB.scalar(sql, params).toInt();
    }
};
