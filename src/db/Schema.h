#pragma once
// Tables, fields, indexes and relations described as data and written in one go.
// SQLite declares foreign keys only inside CREATE TABLE, so relations are gathered
// with the tables and emitted together.

#include "Database.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace db {

enum class FieldType { Text, Memo, Byte, Long, Boolean, Date };

struct Field {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0;  // Text(n) only
    bool autoIncrement = false;
    bool allowZeroLength = false;
};

struct Index {
    QString name;
    QStringList fields;
    bool primary = false;
    bool unique = false;
};

struct Table {
    QString name;
    std::vector<Field> fields;
    std::vector<Index> indexes;
};

struct Relation {
    QString name;
    QString primaryTable;
    QString primaryField;
    QString foreignTable;
    QString foreignField;
    bool cascadeUpdate = true;
    bool cascadeDelete = true;
};

struct Schema {
    std::vector<Table> tables;
    std::vector<Relation> relations;
};

// The SQL name of an index: index names are per table, SQLite's are per file.
QString indexSqlName(const QString &table, const QString &index);

// Creates every table, index and relation inside one transaction.
void createSchema(Database &db, const Schema &schema);
// Creates the plain (not unique) indexes of the schema that a file made without them
// lacks, and drops the cascade indexes they make redundant; a file that has them all is
// not written.
void createMissingIndexes(Database &db, const Schema &schema);

}  // namespace db
