#pragma once
// The properties of an ontology or a termbase as the properties dialog shows them: the
// texts of its boxes, checked before they may reach the MetaData row, and the one date
// format the boxes use both ways.

#include <QDate>
#include <QString>
#include <optional>

// Field sizes of the MetaData row (the same in both kinds of file).
namespace properties {
constexpr int NameLength = 25;
constexpr int OwnerLength = 150;
constexpr int AuthorLength = 200;
constexpr int ContactLength = 150;
constexpr int DescriptionLength = 255;
}  // namespace properties

struct PropertiesText {
    QString Name;
    QString Created;
    QString Modified;
    QString Owner;
    QString Author;
    QString Description;
    QString Contact;
};

// Dates in the boxes are always written and read as yyyy-MM-dd, whatever the locale, so a
// date the program wrote always reads back as the same date.
QString DateText(const QDate &date);
std::optional<QDate> ParseDateText(const QString &text);

// The message that refuses the texts, or an empty string when they may be stored.
// Checked in the order of the dialog: the name first.
QString PropertiesRefusal(const PropertiesText &text);

// The boxes of a record with the properties' fields (OntologyInfoRecord, the termbase's).
template <class Info>
PropertiesText PropertiesOf(const Info &info)
{
    return {info.Name, DateText(info.Created), DateText(info.Modified), info.Owner,
            info.Author, info.Description, info.Contact};
}

// Copies accepted texts into the record; call only when PropertiesRefusal was empty.
template <class Info>
void ApplyProperties(const PropertiesText &text, Info &info)
{
    info.Name = text.Name;
    info.Created = ParseDateText(text.Created).value_or(info.Created);
    info.Modified = ParseDateText(text.Modified).value_or(info.Modified);
    info.Owner = text.Owner;
    info.Author = text.Author;
    info.Description = text.Description;
    info.Contact = text.Contact;
}
