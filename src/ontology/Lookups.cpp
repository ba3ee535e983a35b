#include "Lookups.h"

#include "ConceptTypes.h"
#include "Global.h"
#include "StringHelpers.h"
#include "ui/MsgBox.h"

#include <optional>

namespace {

const QString Root = QStringLiteral("ALL");

void reportCritical(const QString &code)
{
    ui::errorBox(QStringLiteral("Critical error. Error code %1. Please Report.").arg(code));
}

// The first row of a one-row-at-most query, or nothing.
std::optional<QVariant> firstValue(const QString &sql, const QVariant &key)
{
    db::Statement st(OntologyDB, sql);
    st.bind(1, key);
    if (!st.step())
        return std::nullopt;
    QVariant v = st.column(0);
    st.reset();
    return v;
}

}  // namespace

std::vector<LanguageRow> GetLanguages()
{
    db::Statement st(OntologyDB, QStringLiteral("SELECT Lang_ID, Language, Show FROM Languages"));
    std::vector<LanguageRow> rows;
    while (st.step())
        rows.push_back({st.column(0).toString(), st.column(1).toString(), st.column(2).toBool()});
    return rows;
}

void SetShownLanguages(const std::vector<std::pair<QString, bool>> &shown)
{
    db::Transaction tx(OntologyDB);
    // Each flag goes to its own language, whatever order the list was read in.
    db::Statement show(OntologyDB, QStringLiteral("UPDATE Languages SET Show = ? WHERE Lang_ID = ?"));
    for (const auto &[id, on] : shown) {
        show.bind(1, on).bind(2, id);
        show.run();
    }
    tx.commit();
}

QString GetLanguageName(const QString &code)
{
    return firstValue(QStringLiteral("SELECT Language FROM Languages WHERE Lang_ID = ? ORDER BY Lang_ID, rowid"), code)
        .value_or(QVariant())
        .toString();
}

QString GetLanguageID(const QString &name)
{
    return firstValue(QStringLiteral("SELECT Lang_ID FROM Languages WHERE Language = ? ORDER BY Language, rowid"),
                      name)
        .value_or(QVariant())
        .toString();
}

bool ConceptExists(const QString &identifier)
{
    return firstValue(QStringLiteral("SELECT 1 FROM CONCEPTS WHERE Concept = ?"), identifier).has_value();
}

qint64 CountAllConcepts() { return OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM CONCEPTS")).toLongLong(); }

std::optional<ConceptSummary> ReadConceptSummary(const QString &identifier)
{
    db::Statement row(OntologyDB, QStringLiteral("SELECT Definition, Type, Subset_ID FROM CONCEPTS WHERE Concept = ?"));
    row.bind(1, identifier);
    if (!row.step())
        return std::nullopt;
    ConceptSummary summary{row.column(0), row.column(1).toInt(), row.column(2)};
    row.reset();
    return summary;
}

int GetConceptType(const QString &identifier)
{
    const auto type = firstValue(QStringLiteral("SELECT Type FROM CONCEPTS WHERE Concept = ?"), identifier);
    if (!type) {
        reportCritical(QStringLiteral("QZ010"));
        return ObjectType;
    }
    return type->toInt();
}

QString GetConceptDefinitionQuoted(const QString &identifier)
{
    const auto definition = firstValue(QStringLiteral("SELECT Definition FROM CONCEPTS WHERE Concept = ?"), identifier);
    if (!definition) {
        reportCritical(QStringLiteral("QZ038"));
        return {};
    }
    return QuoteDefinition(*definition);
}

QString QuoteDefinition(const QVariant &definition)
{
    if (definition.isNull())
        return QStringLiteral("Undefined");
    QString text = definition.toString();
    return QLatin1Char('"') + FlattenLineBreaks(text) + QLatin1Char('"');
}

qint64 CountSubsetConcepts(int subset)
{
    return OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM CONCEPTS WHERE Subset_ID = ?"), {subset}).toLongLong();
}

std::optional<int> FindSubsetID(const QString &name)
{
    const auto id = firstValue(QStringLiteral("SELECT Subset_ID FROM Subsets WHERE Subset = ? ORDER BY Subset, rowid"),
                               name);
    if (!id)
        return std::nullopt;
    return id->toInt();
}

int GetSubsetID(const QString &name)
{
    const auto id = FindSubsetID(name);
    if (!id) {
        ui::msgBox(QStringLiteral("Critical error. Please Report. Error Code QZ005"), ui::Buttons::Ok);
        return 0;
    }
    return *id;
}

QString GetSubsetName(int subset)
{
    const auto name = firstValue(QStringLiteral("SELECT Subset FROM Subsets WHERE Subset_ID = ?"), subset);
    return name ? name->toString() : QStringLiteral("Error");
}

QString FindRootConcept()
{
    // Stored order decides between several Type-100 concepts, as it always has.
    const auto root = firstValue(QStringLiteral("SELECT Concept FROM CONCEPTS WHERE Type = ? ORDER BY rowid LIMIT 1"),
                                 RootType);
    if (root)
        return root->toString();
    OntologyDB.execute(QStringLiteral("UPDATE CONCEPTS SET Type = ? WHERE Concept = ?"), {RootType, Root});
    return Root;
}
