#include "Properties.h"

#include "FolderName.h"

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

// Characters as the file counts them (a letter outside the BMP is one, not two).
qsizetype characters(const QString &s) { return s.toUcs4().size(); }

QString tooLong(int limit, const QString &what)
{
    return QStringLiteral("A maximum of %1 characters\r\nis allowed for the %2").arg(limit).arg(what);
}

}  // namespace

QString DateText(const QDate &date)
{
    return date.isValid() ? date.toString(DateFormat) : QString();
}

std::optional<QDate> ParseDateText(const QString &text)
{
    const QDate d = QDate::fromString(text.trimmed(), DateFormat);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

QString PropertiesRefusal(const PropertiesText &t)
{
    using namespace properties;
    if (t.Name.isEmpty())
        return QStringLiteral("You MUST specify a name.");
    if (characters(t.Name) > NameLength)
        return tooLong(NameLength, QStringLiteral("name"));
    if (!IsValidFolderName(t.Name))
        return QStringLiteral("The name becomes part of a folder name: it may not hold any of\r\n"
                              "/ \\ : * ? \" < > | nor consist of dots only.");
    if (!ParseDateText(t.Created))
        return QStringLiteral("Created must be a date written as year-month-day, for example 2024-03-31.");
    if (!ParseDateText(t.Modified))
        return QStringLiteral("Modified must be a date written as year-month-day, for example 2024-03-31.");
    const struct {
        const QString &text;
        int limit;
        const char *what;
    } lengths[] = {
        {t.Owner, OwnerLength, "owner"},
        {t.Author, AuthorLength, "author(s)"},
        {t.Description, DescriptionLength, "description"},
        {t.Contact, ContactLength, "contact"},
    };
    for (const auto &l : lengths)
        if (characters(l.text) > l.limit)
            return tooLong(l.limit, QString::fromLatin1(l.what));
    return {};
}
