#include "DataCategories.h"

namespace {

QString asText(const QVariant &v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return v.toString();  // Null is the empty text
}

const DataCategoryRow *findCategory(const QString &categoryID)
{
    for (const DataCategoryRow &row : DCTable)
        if (row.categoryID == categoryID)
            return &row;
    return nullptr;
}

}  // namespace

void OpenDataCategoryRecordset()
{
    RSDatCats.emplace(db::QueryCursor::snapshot(
        TermbaseDB,
        QStringLiteral("SELECT datcats.categoryID, datcats.GI_name, datcats.type, datcats.value_type, "
                       "datcats.needs_lang, datcats.forms_link, datcats.parentCatID, datcats_names.name "
                       "FROM datcats INNER JOIN datcats_names ON datcats.categoryID = datcats_names.categoryID "
                       "WHERE datcats_names.langID = ? ORDER BY datcats.categoryID"),
        {TermbaseInfo.DCLang}));
}

bool LoadDataCategoryTable()
{
    OpenDataCategoryRecordset();
    DCTable.clear();
    DCTable.reserve(size_t(RSDatCats->recordCount()));
    const db::QueryCursor &rs = *RSDatCats;
    const int columns[] = {rs.columns().require(QStringLiteral("categoryID")), rs.columns().require(QStringLiteral("GI_name")),
                           rs.columns().require(QStringLiteral("type")),       rs.columns().require(QStringLiteral("value_type")),
                           rs.columns().require(QStringLiteral("needs_lang")), rs.columns().require(QStringLiteral("forms_link")),
                           rs.columns().require(QStringLiteral("name"))};
    for (qsizetype r = 0; r < rs.recordCount(); ++r) {
        const auto at = [&](int i) { return asText(rs.valueAt(r, columns[i])); };
        DCTable.push_back({at(0), at(1), at(2), at(3), at(4), at(5), at(6)});
    }
    return !DCTable.empty();
}

QString GetDataCategoryName(const QString &categoryID)
{
    const DataCategoryRow *row = findCategory(categoryID);
    return row ? row->Name : QString();
}

QString GetDataCategoryType(const QString &categoryID)
{
    const DataCategoryRow *row = findCategory(categoryID);
    return row ? row->type : QString();
}

QString GetDataCategoryGIName(const QString &categoryID)
{
    const DataCategoryRow *row = findCategory(categoryID);
    return row ? row->GI_name : QString();
}
