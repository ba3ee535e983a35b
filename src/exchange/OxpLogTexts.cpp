// The fixed texts of Check File's summary and of the import's header.

#include "OxpImport.h"

#include <QLocale>

namespace {

const QString crlf = QStringLiteral("\r\n");

QString when(const QDateTime &at)
{
    const QLocale system = QLocale::system();
    return system.toString(at.date(), QLocale::ShortFormat) + QStringLiteral(" at ") +
           system.toString(at.time(), QLocale::LongFormat);
}

}  // namespace

QString CheckStartedText(const QDateTime &at)
{
    return QStringLiteral("Shallow parsing started on ") + when(at) + crlf;
}

QString CheckSummaryText(const OxpCheckResult &check)
{
    static const std::pair<OxpSlotKind, const char *> rows[] = {
        {OxpSlotKind::Concept, " CONCEPT slots."},       {OxpSlotKind::Subclasses, " SUBCLASSES slots."},
        {OxpSlotKind::Definition, " DEFINITION slots."}, {OxpSlotKind::Property, " PROPERTY slots."},
        {OxpSlotKind::Domain, " DOMAIN slots."},         {OxpSlotKind::Range, " RANGE slots."},
    };
    QString s = QStringLiteral("Import file contains: ") + crlf + QString(29, QLatin1Char('-')) + crlf;
    for (const auto &[kind, text] : rows)
        s += QStringLiteral("- ") + QString::number(check.count(kind)) + QLatin1String(text) + crlf;
    s += crlf + QStringLiteral("A total of ") + QString::number(check.lines) + QStringLiteral(" lines were parsed.") +
         crlf + crlf;
    if (check.hasImportable())
        s += QStringLiteral("Note that this is a shallow parsing. ") + QStringLiteral("Errors may occur while importing") +
             crlf + crlf + QStringLiteral("Click the 'Import!' button to start importing data.");
    else
        s += QStringLiteral("Nothing to import from file: ") + crlf + check.path + crlf;
    return s + crlf + QString(69, QLatin1Char('-')) + crlf + crlf;
}

QString ImportHeaderText(const QDateTime &startedAt, const OxpImportResult &result)
{
    QString s = crlf + QStringLiteral("Import process started on ") + when(startedAt) + crlf +
                QStringLiteral("IMPORT LOG:") + crlf + QString(26, QLatin1Char('-')) + crlf;
    const auto line = [&](bool ran, qint64 n, const char *word) {
        if (ran)
            s += QStringLiteral("- ") + QString::number(n) + QLatin1Char(' ') + QLatin1String(word) +
                 QStringLiteral(" slots added.") + crlf;
    };
    line(result.ranConcepts, result.conceptsAdded, "CONCEPT");
    line(result.ranDefinitions, result.definitionsSet, "DEFINITION");
    line(result.ranDomains, result.domainsAdded, "DOMAIN");
    if (result.cancelled)
        s += QStringLiteral("- Import cancelled: nothing was imported.") + crlf;
    return s;
}
