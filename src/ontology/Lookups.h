#pragma once
// Look-ups over the open ontology. Text keys compare without regard to ASCII case, as
// the file does. A concept or subset that should be there and is not is a broken
// invariant: it is reported with its numbered message and a fallback value is returned,
// so the caller can carry on. Failures of the file itself reach the caller.

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

struct LanguageRow {
    QString id;
    QString name;
    bool show = false;
};
// Every language of the ontology, in the order they are stored.
std::vector<LanguageRow> GetLanguages();
// Sets the working languages: each code's Show flag, in one transaction.
void SetShownLanguages(const std::vector<std::pair<QString, bool>> &shown);

// The language's name, or "" when the code is unknown.
QString GetLanguageName(const QString &code);
// The code of a language name, or "" when the name is unknown.
QString GetLanguageID(const QString &name);
bool ConceptExists(const QString &identifier);
qint64 CountAllConcepts();

// What the panes show of one concept, as stored: the definition and the subset may be Null.
struct ConceptSummary {
    QVariant definition;
    int type = 0;
    QVariant subset;
};
// Nothing when the concept is not there.
std::optional<ConceptSummary> ReadConceptSummary(const QString &identifier);
// The concept's Type; a missing concept shows QZ010 and gives 1 (object).
int GetConceptType(const QString &identifier);
// The definition in double quotes on one line, or "Undefined" when it has none; a
// missing concept shows QZ038 and gives "".
QString GetConceptDefinitionQuoted(const QString &identifier);
// A stored definition (a Null one included) as GetConceptDefinitionQuoted gives it.
QString QuoteDefinition(const QVariant &definition);
qint64 CountSubsetConcepts(int subset);
// The number of a subset name, or nothing when no subset has it.
std::optional<int> FindSubsetID(const QString &name);
// The number of a subset name; a missing name shows QZ005 and gives 0.
int GetSubsetID(const QString &name);
// The name of a subset number, or "Error" when the number is unknown.
QString GetSubsetName(int subset);
// The root: the first concept of Type 100. Without one, the concept "ALL" becomes the
// root (its Type is set to 100 when it exists); "ALL" is returned either way.
QString FindRootConcept();
