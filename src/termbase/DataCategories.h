#pragma once
// The data categories of the open termbase in its data-category language
// (TermbaseInfo.DCLang): the cursor RSDatCats and the in-memory table DCTable with its
// look-ups by categoryID.

#include "Global.h"

// (Re)opens RSDatCats: every category with a name in DCLang, with that name, ordered by
// categoryID as text ("10.18" before "2").
void OpenDataCategoryRecordset();

// Reopens RSDatCats and rebuilds DCTable from it, row for row. Returns false when no
// category has a name in DCLang: DCTable is then empty (never the previous language's
// or termbase's rows), and the caller tells the user.
bool LoadDataCategoryTable();

// Look-ups in DCTable by categoryID, compared exactly (letter case included). A
// categoryID that no row holds gives the empty text.
QString GetDataCategoryName(const QString &categoryID);
QString GetDataCategoryType(const QString &categoryID);
QString GetDataCategoryGIName(const QString &categoryID);
