#include "Schema.h"

#include "Text.h"

namespace db {

namespace {

QString columnSql(const Field &f, bool inPrimaryKey, bool rowidAlias)
{
    const QString q = quoteIdent(f.name);
    QString sql = q + QLatin1Char(' ');
    QStringList checks;
    const auto check = [&](const QString &prefix, const QString &expr) {
        checks << QStringLiteral("CONSTRAINT %1 CHECK (%2)").arg(quoteIdent(prefix + f.name), expr);
    };
    switch (f.type) {
    case FieldType::Text:
        sql += QStringLiteral("VARCHAR(%1) COLLATE NOCASE").arg(f.size);
        check(QStringLiteral("len_"), QStringLiteral("%1 IS NULL OR length(%1) <= %2").arg(q).arg(f.size));
        break;
    case FieldType::Memo:
        sql += QStringLiteral("TEXT COLLATE NOCASE");
        break;
    case FieldType::Byte:
        sql += QStringLiteral("TINYINT");
        check(QStringLiteral("range_"),
              QStringLiteral("%1 IS NULL OR (typeof(%1) = 'integer' AND %1 BETWEEN 0 AND 255)").arg(q));
        break;
    case FieldType::Long:
        sql += QStringLiteral("INTEGER");
        if (rowidAlias)
            return sql + QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
        check(QStringLiteral("range_"),
              QStringLiteral("%1 IS NULL OR (typeof(%1) = 'integer' AND %1 BETWEEN -2147483648 AND 2147483647)")
                  .arg(q));
        break;
    case FieldType::Boolean:
        sql += QStringLiteral("BOOLEAN DEFAULT 0");
        check(QStringLiteral("range_"), QStringLiteral("%1 IS NULL OR %1 IN (0, 1)").arg(q));
        break;
    case FieldType::Date:
        sql += QStringLiteral("DATE");
        break;
    }
    if ((f.type == FieldType::Text || f.type == FieldType::Memo) && !f.allowZeroLength)
        check(QStringLiteral("zls_"), QStringLiteral("%1 IS NULL OR %1 <> ''").arg(q));
    if (inPrimaryKey)
        sql += QStringLiteral(" NOT NULL");
    if (!checks.isEmpty())
        sql += QLatin1Char(' ') + checks.join(QLatin1Char(' '));
    return sql;
}

const Index *primaryIndex(const Table &t)
{
    for (const Index &i : t.indexes)
        if (i.primary)
            return &i;
    return nullptr;
}

}  // namespace

QString indexSqlName(const QString &table, const QString &index) { return table + QLatin1Char('.') + index; }

namespace {

QString indexSql(const Table &t, const Index &i, const QString &create)
{
    QStringList cols;
    for (const QString &f : i.fields)
        cols << quoteIdent(f);
    return QStringLiteral("%1 %2 ON %3 (%4)")
        .arg(create, quoteIdent(indexSqlName(t.name, i.name)), quoteIdent(t.name), cols.join(QStringLiteral(", ")));
}

}  // namespace

void createMissingIndexes(Database &db, const Schema &schema)
{
    for (const Table &t : schema.tables) {
        QStringList leading;
        for (const Index &i : t.indexes) {
            leading << i.fields.value(0).toLower();
            if (!i.primary && !i.unique)
                db.execute(indexSql(t, i, QStringLiteral("CREATE INDEX IF NOT EXISTS")));
        }
        // The index a cascade was given for want of one that leads with its field is
        // kept up to date by every write of the field for nothing once such an index is there.
        for (const Relation &r : schema.relations)
            if (r.foreignTable.compare(t.name, Qt::CaseInsensitive) == 0 && leading.contains(r.foreignField.toLower()))
                db.execute(QStringLiteral("DROP INDEX IF EXISTS %1")
                               .arg(quoteIdent(indexSqlName(t.name, QStringLiteral("fk_") + r.foreignField))));
    }
}

void createSchema(Database &db, const Schema &schema)
{
    Transaction tx(db);
    for (const Table &t : schema.tables) {
        const Index *pk = primaryIndex(t);
        QStringList parts;
        for (const Field &f : t.fields) {
            const bool inPk = pk && pk->fields.contains(f.name, Qt::CaseInsensitive);
            const bool rowidAlias = f.autoIncrement && inPk && pk->fields.size() == 1;
            if (f.autoIncrement && !rowidAlias)
                throw DbError(err::Engine,
                              QStringLiteral("Auto-increment field %1.%2 must be the primary key").arg(t.name, f.name));
            parts << columnSql(f, inPk, rowidAlias);
        }
        for (const Relation &r : schema.relations) {
            if (r.foreignTable.compare(t.name, Qt::CaseInsensitive) != 0)
                continue;
            QString fk = QStringLiteral("CONSTRAINT %1 FOREIGN KEY (%2) REFERENCES %3 (%4)")
                             .arg(quoteIdent(r.name), quoteIdent(r.foreignField), quoteIdent(r.primaryTable),
                                  quoteIdent(r.primaryField));
            if (r.cascadeUpdate)
                fk += QStringLiteral(" ON UPDATE CASCADE");
            if (r.cascadeDelete)
                fk += QStringLiteral(" ON DELETE CASCADE");
            parts << fk;
        }
        db.execute(QStringLiteral("CREATE TABLE %1 (\n  %2\n)").arg(quoteIdent(t.name), parts.join(QStringLiteral(",\n  "))));

        QStringList leading;  // first field of every index, to see which keys lack one
        for (const Index &i : t.indexes) {
            leading << i.fields.value(0).toLower();
            db.execute(indexSql(t, i, (i.primary || i.unique) ? QStringLiteral("CREATE UNIQUE INDEX")
                                                               : QStringLiteral("CREATE INDEX")));
        }
        // A cascade looks up the child rows by the foreign field; without an index that
        // is a scan of the whole child table for every parent row changed.
        for (const Relation &r : schema.relations) {
            if (r.foreignTable.compare(t.name, Qt::CaseInsensitive) != 0 || leading.contains(r.foreignField.toLower()))
                continue;
            leading << r.foreignField.toLower();
            db.execute(QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                           .arg(quoteIdent(indexSqlName(t.name, QStringLiteral("fk_") + r.foreignField)),
                                quoteIdent(t.name), quoteIdent(r.foreignField)));
        }
    }
    tx.commit();
}

}  // namespace db
