#pragma once
// Short builders for the fields and indexes of the file schemas, so that a table reads
// as its list of fields.

#include "db/Schema.h"

namespace schema {

inline db::Field text(const QString &name, int size, bool zeroLength = false)
{
    return {name, db::FieldType::Text, size, false, zeroLength};
}
inline db::Field memo(const QString &name, bool zeroLength = false) { return {name, db::FieldType::Memo, 0, false, zeroLength}; }
inline db::Field of(const QString &name, db::FieldType type) { return {name, type}; }
inline db::Field counter(const QString &name) { return {name, db::FieldType::Long, 0, true}; }
inline db::Index primary(const QString &name, const QStringList &fields) { return {name, fields, true}; }
inline db::Index plain(const QString &name, const QStringList &fields) { return {name, fields, false}; }

}  // namespace schema
