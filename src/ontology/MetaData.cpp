#include "MetaData.h"

#include "Global.h"

namespace {

const QString FirstRow = QStringLiteral("(SELECT min(MetaData_ID) FROM MetaData)");

QVariant dateOrNull(const QDate &d) { return d.isValid() ? QVariant(d) : QVariant(); }

}  // namespace

bool ReadOntologyMetaData(OntologyInfoRecord &info)
{
    db::Statement st(OntologyDB, QStringLiteral("SELECT Name, Created, Modified, Owner, Author, Description, Contact, "
                                                "ListTop, DefLang, Naming, AutoName, MaxParents, ActiveSet "
                                                "FROM MetaData WHERE MetaData_ID = ") +
                                     FirstRow);
    if (!st.step())
        return false;
    info.Name = st.column(0).toString();
    info.Created = st.column(1).toDate();
    info.Modified = st.column(2).toDate();
    info.Owner = st.column(3).toString();
    info.Author = st.column(4).toString();
    info.Description = st.column(5).toString();
    info.Contact = st.column(6).toString();
    info.ListTop = st.column(7).toInt();
    info.DefLang = st.column(8).toString();
    info.Naming = st.column(9).toBool();
    info.AutoName = st.column(10).toInt();
    info.MaxParents = st.column(11).toInt();
    info.ActiveSet = st.column(12).toInt();
    st.reset();
    return true;
}

void WriteOntologyMetaData(const OntologyInfoRecord &info)
{
    const QVariantList values{info.Name,     dateOrNull(info.Created), dateOrNull(info.Modified), info.Owner,
                              info.Author,   info.Description,         info.Contact,              info.ListTop,
                              info.DefLang,  info.Naming,              info.AutoName,             info.MaxParents,
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
