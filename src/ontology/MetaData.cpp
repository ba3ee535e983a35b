#include "MetaData.h"

#include "Global.h"
#include "OntologyFile.h"

namespace {

const QString FirstRow = QStringLiteral("(SELECT min(MetaData_ID) FROM MetaData)");

QVariant dateOrNull(const QDate &d) { return d.isValid() ? QVariant(d) : QVariant(); }
// Name and DefLang refuse the empty text: a name nobody gave is stored as Null, as it was read.
QVariant textOrNull(const QString &t) { return t.isEmpty() ? QVariant() : QVariant(t); }

}  // namespace

bool ReadOntologyMetaData(OntologyInfoRecord &info)
{
    db::Statement st(OntologyDB, QStringLiteral("SELECT Name, Created, Modified, Owner, Author, Description, Contact, "
                                                "ListTop, DefLang, Naming, AutoName, MaxParents, ActiveSet "
                                                "FROM MetaData WHERE MetaData_ID = ") +
                                     FirstRow);
    if (!st.step())
        return false;
    // A Null reads as the field's value in a new ontology, so the options work as they
    // would there and the row can be written back.
    const OntologyInfoRecord fresh = NewOntologyInfo({});
    const auto text = [&](int column, const QString &fallback) {
        return st.column(column).isNull() ? fallback : st.column(column).toString();
    };
    const auto number = [&](int column, int fallback) {
        return st.column(column).isNull() ? fallback : st.column(column).toInt();
    };
    info.Name = text(0, QString());
    info.Created = st.column(1).toDate();
    info.Modified = st.column(2).toDate();
    info.Owner = text(3, QString());
    info.Author = text(4, QString());
    info.Description = text(5, QString());
    info.Contact = text(6, QString());
    info.ListTop = number(7, fresh.ListTop);
    info.DefLang = text(8, fresh.DefLang);
    info.Naming = number(9, fresh.Naming) != 0;
    info.AutoName = number(10, fresh.AutoName);
    info.MaxParents = number(11, fresh.MaxParents);
    info.ActiveSet = number(12, fresh.ActiveSet);
    st.reset();
    return true;
}

void WriteOntologyMetaData(const OntologyInfoRecord &info)
{
    const QVariantList values{textOrNull(info.Name), dateOrNull(info.Created), dateOrNull(info.Modified),
                              info.Owner,            info.Author,              info.Description,
                              info.Contact,          info.ListTop,             textOrNull(info.DefLang),
                              info.Naming,           info.AutoName,            info.MaxParents,
                              info.ActiveSet};
    db::Transaction tx(OntologyDB);
    OntologyDB.execute(QStringLiteral("UPDATE MetaData SET Name = ?, Created = ?, Modified = ?, Owner = ?, Author = ?, "
                                      "Description = ?, Contact = ?, ListTop = ?, DefLang = ?, Naming = ?, "
                                      "AutoName = ?, MaxParents = ?, ActiveSet = ? WHERE MetaData_ID = ") +
                           FirstRow,
                       values);
    if (OntologyDB.changes() == 0)
        OntologyDB.execute(QStringLiteral("INSERT INTO MetaData (Name, Created, Modified, Owner, Author, Description, "
                                          "Contact, ListTop, DefLang, Naming, AutoName, MaxParents, ActiveSet) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                           values);
    tx.commit();
}
