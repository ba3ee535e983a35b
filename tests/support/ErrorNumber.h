#pragma once
// The error number a piece of code fails with, or 0 when it succeeds.

#include "db/Database.h"

#include <functional>

inline int errorNumberOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const db::DbError &e) {
        return e.number();
    }
    return 0;
}

inline int failureOf(db::Database &db, const QString &sql, const QVariantList &params = {})
{
    return errorNumberOf([&] { db.execute(sql, params); });
}
