#include "Lookups.h"

#include "Global.h"
#include "StringHelpers.h"
#include "ui/MsgBox.h"

#include <optional>

namespace {

const QString Root = QStringLiteral("ALL");
constexpr int RootType = 100;
constexpr int ObjectType = 1;

void reportCritical(const QString &code)
{
    ui::msgBox(QStringLiteral("Critical error. Error code %1. Please Report.").arg(code), ui::Buttons::Ok,
               ui::Icon::Critical, QStringLiteral("Error"));
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
    if (definition->isNull())
        return QStringLiteral("Undefined");
    QString text = definition->toString();
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
