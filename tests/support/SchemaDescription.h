#pragma once
// What a file's schema is, read back from the file itself as one line per field, index
// and relation of a table, so that a test can pin every type, size, key and cascade.

#include "db/Database.h"
#include "db/Text.h"

#include <QRegularExpression>
#include <QStringList>

// "Concept VARCHAR(255) NOT NULL": the declared type, "NOT NULL" for key fields, "AUTO"
// for a counter, "ZLS" where a zero-length text is allowed.
// "index Name UNIQUE (Field, Field)" for every index; "relation Name Field -> Table.Field
// CASCADE/CASCADE" for every relation in which the table is the foreign side.
inline QStringList describeTable(const db::Database &file, const QString &table)
{
    QStringList lines;
    QString sql;
    {
        db::Statement create(file, QStringLiteral("SELECT sql FROM sqlite_schema WHERE type = 'table' AND name = ?"));
        create.bind(1, table);
        if (create.step())
            sql = create.column(0).toString();
    }
    db::Statement fields(file, QStringLiteral("SELECT name, type, \"notnull\", pk FROM pragma_table_info(?) ORDER BY cid"));
    fields.bind(1, table);
    while (fields.step()) {
        const QString name = fields.column(0).toString();
        QString line = name + QLatin1Char(' ') + fields.column(1).toString();
        if (fields.column(2).toBool())
            line += QStringLiteral(" NOT NULL");
        if (sql.contains(db::quoteIdent(name) + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT")))
            line += QStringLiteral(" AUTO");
        const QString type = fields.column(1).toString();
        if ((type.startsWith(QStringLiteral("VARCHAR")) || type == QStringLiteral("TEXT")) &&
            !sql.contains(db::quoteIdent(QStringLiteral("zls_") + name)))
            line += QStringLiteral(" ZLS");
        lines << line;
    }
    db::Statement indexes(file, QStringLiteral("SELECT name, \"unique\" FROM pragma_index_list(?) "
                                               "WHERE origin = 'c' ORDER BY name"));
    indexes.bind(1, table);
    while (indexes.step()) {
        const QString name = indexes.column(0).toString();
        QStringList cols;
        db::Statement info(file, QStringLiteral("SELECT name FROM pragma_index_info(?) ORDER BY seqno"));
        info.bind(1, name);
        while (info.step())
            cols << info.column(0).toString();
        lines << QStringLiteral("index %1%2 (%3)")
                     .arg(name.mid(table.size() + 1), indexes.column(1).toBool() ? QStringLiteral(" UNIQUE") : QString(),
                          cols.join(QStringLiteral(", ")));
    }
    // The relation's name stands in the table's SQL before its foreign key.
    static const QRegularExpression fk(
        QStringLiteral("CONSTRAINT \"([^\"]+)\" FOREIGN KEY \\(\"([^\"]+)\"\\) REFERENCES \"([^\"]+)\" \\(\"([^\"]+)\"\\)"
                       "( ON UPDATE CASCADE)?( ON DELETE CASCADE)?"));
    for (auto it = fk.globalMatch(sql); it.hasNext();) {
        const auto m = it.next();
        lines << QStringLiteral("relation %1 %2 -> %3.%4%5%6")
                     .arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4),
                          m.captured(5).isEmpty() ? QString() : QStringLiteral(" UPDATE CASCADE"),
                          m.captured(6).isEmpty() ? QString() : QStringLiteral(" DELETE CASCADE"));
    }
    return lines;
}

inline QStringList tablesOf(const db::Database &file)
{
    QStringList names;
    db::Statement st(file, QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' "
                                          "AND name NOT LIKE 'sqlite%' ORDER BY name COLLATE NOCASE"));
    while (st.step())
        names << st.column(0).toString();
    return names;
}
