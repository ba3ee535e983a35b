#include "ElementStore.h"

#include "DataCategories.h"
#include "ElementTree.h"
#include "Global.h"
#include "ui/Like.h"

#include <QHash>
#include <QSet>

namespace {

// One command that stores new elements, as one transaction. Two windows, in one process
// or in two, may store into one file at once, each with the counter it read when it
// opened the file; so the numbers are taken inside the transaction, from the highest
// elemID the file then holds, and the transaction holds the write lock from its start,
// so nobody else takes the same number before it commits. The window's counter still
// only grows: a number it handed out, and deleted since, is not handed out again while
// it stays open. The caller's counter is raised only when the command has committed.
class StoreCommand {
public:
    explicit StoreCommand(qint64 &lastElemID) : m_tx(TermbaseDB, db::Transaction::Kind::Write), m_counter(lastElemID) {}

    qint64 newElemID()
    {
        if (!m_numbered) {
            m_last = std::max(m_counter, TermbaseDB.scalar(QStringLiteral("SELECT max(elemID) FROM elements")).toLongLong());
            m_numbered = true;
        }
        if (m_last >= LastPossibleElemID)
            throw db::DbError(6, QStringLiteral("Overflow"));
        return ++m_last;
    }

    void commit()
    {
        m_tx.commit();
        if (m_numbered)
            m_counter = m_last;
    }

private:
    db::Transaction m_tx;
    qint64 &m_counter;
    qint64 m_last = 0;
    bool m_numbered = false;
};

// Runs one store command; a failure keeps its number and says what was not stored, since
// the engine's words (a full disk, a locked file) do not.
template <class Store>
auto storing(const QString &whatWasNotStored, Store store)
{
    try {
        return store();
    } catch (const db::DbError &e) {
        throw db::DbError(e.number(), e.description() + QStringLiteral("\r\n") + whatWasNotStored);
    }
}

const QString TermNotStored = QStringLiteral("The term was not stored.");
const QString EntryNotStored = QStringLiteral("The term entry was not stored.");
const QString ElementNotStored = QStringLiteral("The element was not stored.");

void insertElement(qint64 elemID, const QString &categoryID, qint64 parentID)
{
    TermbaseDB.execute(QStringLiteral("INSERT INTO elements (elemID, categoryID, parentID) VALUES (?, ?, ?)"),
                       {elemID, categoryID, parentID});
}

void insertRow(const QString &table, qint64 elemID, const QVariant &value)
{
    TermbaseDB.execute(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (elemID, value) VALUES (?, ?)"),
                       {elemID, value});
}

void insertLanguage(qint64 elemID, const QString &langID)
{
    TermbaseDB.execute(QStringLiteral("INSERT INTO elements_use_lang (elemID, langID) VALUES (?, ?)"), {elemID, langID});
}

void insertPointer(qint64 elemID, qint64 targetID)
{
    TermbaseDB.execute(QStringLiteral("INSERT INTO pointers (elemID, targetID) VALUES (?, ?)"), {elemID, targetID});
}

QString valueTable(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Text: return QStringLiteral("text_values");
    case ValueKind::Picklist: return QStringLiteral("picklist_values");
    case ValueKind::Date: return QStringLiteral("date_values");
    case ValueKind::Number: return QStringLiteral("number_values");
    case ValueKind::Reference: break;
    }
    return {};
}

std::vector<BackMatterRecord> records(const QString &sql, const QString &categoryID)
{
    std::vector<BackMatterRecord> out;
    db::Statement st(TermbaseDB, sql);
    st.bind(1, categoryID);
    while (st.step())
        out.push_back({st.column(0).toLongLong(), st.column(1).toString()});
    return out;
}

bool isFileRecord(qint64 elemID)
{
    return TermbaseDB.scalar(QStringLiteral("SELECT count(*) FROM ref_values WHERE elemID = ?"), {elemID}).toLongLong() > 0;
}

}  // namespace

QSet<QString> ValidChildCategories(const QString &parentCategoryID)
{
    QSet<QString> out;
    db::Statement st(TermbaseDB, QStringLiteral("SELECT childCategoryID FROM valid_families "
                                                "WHERE parentCategoryID = ? OR parentCategoryID = 'all'"));
    st.bind(1, parentCategoryID);
    while (st.step())
        out.insert(st.column(0).toString());
    return out;
}

bool IsReferringCategory(const QString &categoryID)
{
    return ui::Like(categoryID, QStringLiteral("10.2.2.*")) || categoryID == QLatin1String("10.20") ||
           categoryID == QLatin1String("4") || ui::Like(categoryID, QStringLiteral("10.21.?"));
}

QString BackMatterCategoryOf(const QString &referringCategoryID)
{
    static const struct {
        const char *referring;
        const char *record;
    } kinds[] = {{"4", "xx4"}, {"10.20", "x10.20"}, {"10.21.1", "x10.21.1"}, {"10.21.2", "x10.21.2"}};
    for (const auto &k : kinds)
        if (referringCategoryID == QLatin1String(k.referring))
            return QString::fromLatin1(k.record);
    return QStringLiteral("x10.2.2");
}

std::vector<BackMatterRecord> ListBackMatterRecords(const QString &backMatterCategoryID)
{
    return records(QStringLiteral("SELECT elements.elemID, text_values.value FROM elements "
                                  "INNER JOIN text_values ON elements.elemID = text_values.elemID "
                                  "WHERE categoryID = ? ORDER BY elements.elemID"),
                   backMatterCategoryID);
}

QString ReferenceKindOf(const QString &categoryID)
{
    const auto like = [&](const char *pattern) { return ui::Like(categoryID, QString::fromLatin1(pattern)); };
    if (like("5.5.?"))
        return QStringLiteral("x5.5");
    if (like("10.3.*"))
        return QStringLiteral("x10.3");
    if (like("10.2.*"))
        return QStringLiteral("x10.2.2");
    static const struct {
        const char *referring;
        const char *record;
    } exact[] = {{"4", "xx4"},           {"4.2", "x4.2"},           {"9.2", "x9.2"},  {"10.20", "x10.20"},
                 {"10.21.1", "x10.21.1"}, {"10.21.2", "x10.21.2"}, {"5.3x", "x11.1"}};
    for (const auto &e : exact)
        if (categoryID == QLatin1String(e.referring))
            return QString::fromLatin1(e.record);
    return {};
}

std::vector<BackMatterRecord> FillReferenceList(const QString &categoryID)
{
    return records(QStringLiteral("SELECT elements.elemID, ref_values.value FROM elements "
                                  "INNER JOIN ref_values ON elements.elemID = ref_values.elemID "
                                  "WHERE categoryID = ? ORDER BY elements.elemID"),
                   ReferenceKindOf(categoryID));
}

QStringList PicklistValues(const QString &categoryID)
{
    QStringList out;
    db::Statement st(TermbaseDB, QStringLiteral("SELECT value FROM picklists WHERE categoryID = ? ORDER BY rowid"));
    st.bind(1, categoryID);
    while (st.step())
        out << st.column(0).toString();
    return out;
}

EntryStored StoreTermEntry(qint64 parentID, const QString &conceptID, qint64 &lastElemID)
{
    return storing(EntryNotStored, [&]() -> EntryStored {
        StoreCommand store(lastElemID);
        const auto rows = [&](const char *table) {
            return TermbaseDB
                .scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE Concept = ?").arg(QLatin1String(table)), {conceptID})
                .toLongLong();
        };
        if (rows("TE_CONCEPTS") > 0)
            return {EntryOutcome::Exists, 0};
        if (rows("CONCEPTS") == 0)
            return {EntryOutcome::UnknownConcept, 0};
        const qint64 entry = store.newElemID();
        insertElement(entry, QStringLiteral("0.3"), parentID);
        TermbaseDB.execute(QStringLiteral("INSERT INTO TE_CONCEPTS (elemID, Concept) VALUES (?, ?)"), {entry, conceptID});
        store.commit();
        return {EntryOutcome::Stored, entry};
    });
}

TermStored StoreTerm(qint64 entryID, const QString &term, const QString &langID, qint64 &lastElemID)
{
    return storing(TermNotStored, [&] {
        StoreCommand store(lastElemID);
        TermStored stored;
        db::Statement sections(TermbaseDB, QStringLiteral("SELECT e.elemID, ul.langID FROM elements e "
                                                          "LEFT JOIN elements_use_lang ul ON ul.elemID = e.elemID "
                                                          "WHERE e.categoryID = '0.4' AND e.parentID = ? ORDER BY e.elemID"));
        sections.bind(1, entryID);
        while (sections.step()) {
            const QVariant sectionLang = sections.column(1);
            if (sectionLang.isNull()) {
                stored.sectionsWithoutLanguage.push_back(sections.column(0).toLongLong());
                continue;
            }
            if (sectionLang.toString() == langID) {
                stored.sectionID = sections.column(0).toLongLong();
                break;
            }
        }
        if (stored.sectionID == 0) {
            stored.sectionID = store.newElemID();
            stored.sectionMade = true;
            insertElement(stored.sectionID, QStringLiteral("0.4"), entryID);
            insertLanguage(stored.sectionID, langID);
        }
        stored.termID = store.newElemID();
        insertElement(stored.termID, QStringLiteral("1"), stored.sectionID);
        TermbaseDB.execute(QStringLiteral("INSERT INTO TERMS (elemID, term, langID) VALUES (?, ?, ?)"),
                           {stored.termID, term, langID});
        store.commit();
        return stored;
    });
}

qint64 StoreReferringElement(qint64 parentID, const QString &categoryID, qint64 targetID,
                             const QString &backMatterCategoryID, qint64 &lastElemID)
{
    return storing(ElementNotStored, [&]() -> qint64 {
        StoreCommand store(lastElemID);
        const qint64 records = TermbaseDB
                                   .scalar(QStringLiteral("SELECT count(*) FROM elements INNER JOIN text_values "
                                                          "ON elements.elemID = text_values.elemID "
                                                          "WHERE elements.elemID = ? AND categoryID = ?"),
                                           {targetID, backMatterCategoryID})
                                   .toLongLong();
        if (records == 0)
            return 0;
        const qint64 elem = store.newElemID();
        insertElement(elem, categoryID, parentID);
        insertPointer(elem, targetID);
        store.commit();
        return elem;
    });
}

qint64 StoreValueElement(qint64 parentID, const QString &categoryID, ValueKind kind, const QVariant &value,
                         const QString &langID, qint64 &lastElemID)
{
    return storing(ElementNotStored, [&]() -> qint64 {
        StoreCommand store(lastElemID);
        if (kind == ValueKind::Reference && !isFileRecord(value.toLongLong()))
            return 0;
        const qint64 elem = store.newElemID();
        insertElement(elem, categoryID, parentID);
        if (kind == ValueKind::Reference)
            insertPointer(elem, value.toLongLong());
        else
            insertRow(valueTable(kind), elem, value);
        if (!langID.isEmpty())
            insertLanguage(elem, langID);
        store.commit();
        return elem;
    });
}

qint64 StoreCrossReference(qint64 sourceID, const QString &pointerCategoryID, qint64 targetID, const QString &text,
                           qint64 &lastElemID)
{
    return storing(ElementNotStored, [&] {
        StoreCommand store(lastElemID);
        const qint64 elem = store.newElemID();
        insertElement(elem, pointerCategoryID, sourceID);
        insertRow(QStringLiteral("text_values"), elem, text);
        insertPointer(elem, targetID);
        store.commit();
        return elem;
    });
}

bool UpdateElementValue(qint64 elemID, ValueKind kind, const QVariant &value, const std::optional<QString> &langID)
{
    const QString table = valueTable(kind);
    if (table.isEmpty())
        return false;
    db::Transaction tx(TermbaseDB);
    TermbaseDB.execute(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET value = ? WHERE elemID = ?"),
                       {value, elemID});
    if (TermbaseDB.changes() == 0)
        return false;
    if (langID)
        TermbaseDB.execute(QStringLiteral("UPDATE elements_use_lang SET langID = ? WHERE elemID = ? AND langID <> ?"),
                           {*langID, elemID, *langID});
    tx.commit();
    return true;
}

bool RenameTerm(qint64 elemID, const QString &text)
{
    TermbaseDB.execute(QStringLiteral("UPDATE TERMS SET term = ? WHERE elemID = ?"), {text, elemID});
    return TermbaseDB.changes() > 0;
}

bool RenameTextValue(qint64 elemID, const QString &text)
{
    TermbaseDB.execute(QStringLiteral("UPDATE text_values SET value = ? WHERE elemID = ?"), {text, elemID});
    return TermbaseDB.changes() > 0;
}

ElementValue ReadElementValue(qint64 elemID)
{
    ElementValue out;
    const QString category =
        TermbaseDB.scalar(QStringLiteral("SELECT categoryID FROM elements WHERE elemID = ?"), {elemID}).toString();
    const auto row = std::find_if(DCTable.begin(), DCTable.end(),
                                  [&](const DataCategoryRow &r) { return r.categoryID == category; });
    if (row == DCTable.end())
        return out;
    // A category that links to another element shows its target, not a value of its own.
    if (row->forms_link == QLatin1String("True"))
        return out;
    static const QStringList valueTypes = {QStringLiteral("text"), QStringLiteral("picklist"), QStringLiteral("date"),
                                           QStringLiteral("number")};
    if (valueTypes.contains(row->value_type)) {
        out.valueType = row->value_type;
        out.value = TermbaseDB.scalar(QStringLiteral("SELECT value FROM ") + row->value_type +
                                          QStringLiteral("_values WHERE elemID = ?"),
                                      {elemID});
    }
    if (row->needs_lang == QLatin1String("True"))
        out.langID = TermbaseDB.scalar(QStringLiteral("SELECT langID FROM elements_use_lang WHERE elemID = ?"), {elemID})
                         .toString();
    return out;
}

std::optional<qint64> PointerTarget(qint64 elemID)
{
    const QVariant target =
        TermbaseDB.scalar(QStringLiteral("SELECT targetID FROM pointers WHERE elemID = ? ORDER BY targetID"), {elemID});
    if (target.isNull())
        return std::nullopt;
    return target.toLongLong();
}

std::optional<QString> RefValueOf(qint64 elemID)
{
    const QVariant value = TermbaseDB.scalar(QStringLiteral("SELECT value FROM ref_values WHERE elemID = ?"), {elemID});
    if (value.isNull())
        return std::nullopt;
    return value.toString();
}

bool IsSkeletonElement(qint64 elemID)
{
    const QVariant category = TermbaseDB.scalar(QStringLiteral("SELECT categoryID FROM elements WHERE elemID = ?"), {elemID});
    if (elemID == 1 || category.isNull())
        return true;
    const QString id = category.toString();
    // Folders of the skeleton are of category "0" and its kin; entries and sections are not.
    if (ui::Like(id, QStringLiteral("0*")) && id != QLatin1String("0.3") && id != QLatin1String("0.4"))
        return true;
    static const QStringList containers = {"x1", "x2", "x3", "x4", "x5", "x6", "x7", "x8", "x9", "x10", "x11"};
    return containers.contains(id);
}

ElementDeleted DeleteElement(qint64 elemID)
{
    ElementDeleted out;
    if (IsSkeletonElement(elemID))
        return out;
    db::Transaction tx(TermbaseDB);
    const QString category =
        TermbaseDB.scalar(QStringLiteral("SELECT categoryID FROM elements WHERE elemID = ?"), {elemID}).toString();
    out.parentID = TermbaseDB.scalar(QStringLiteral("SELECT parentID FROM elements WHERE elemID = ?"), {elemID}).toLongLong();
    // Elements outside the subtree that point into it would be left without their target,
    // and so would those pointing into the subtree of such an element, to any depth: they
    // are all found before anything is deleted, while their pointers are still there.
    QHash<qint64, QString> doomed{{elemID, category}};  // with their categories
    QSet<qint64> subtree{elemID};
    for (const SubtreeElement &e : ReadSubtree(elemID)) {
        doomed.insert(e.elemID, e.categoryID);
        subtree.insert(e.elemID);
    }
    std::vector<qint64> referrers;
    std::vector<qint64> unasked(subtree.cbegin(), subtree.cend());
    QSet<qint64> referring;
    db::Statement pointing(TermbaseDB, QStringLiteral("SELECT elemID FROM pointers WHERE targetID = ?"));
    while (!unasked.empty()) {
        const qint64 target = unasked.back();
        unasked.pop_back();
        pointing.reset();
        pointing.bind(1, target);
        while (pointing.step()) {
            const qint64 referrer = pointing.column(0).toLongLong();
            if (!subtree.contains(referrer) && !referring.contains(referrer)) {
                referring.insert(referrer);
                referrers.push_back(referrer);
            }
            if (doomed.contains(referrer))
                continue;
            doomed.insert(referrer, QString());
            unasked.push_back(referrer);
            for (const SubtreeElement &e : ReadSubtree(referrer)) {
                if (doomed.contains(e.elemID))
                    continue;
                doomed.insert(e.elemID, e.categoryID);
                unasked.push_back(e.elemID);
            }
        }
    }
    // The files kept for records that go: their copies may have to go too.
    for (auto it = doomed.cbegin(); it != doomed.cend(); ++it) {
        if (it.value() == QLatin1String("x5.5") || it.value() == QLatin1String("x11.1")) {
            if (const auto name = RefValueOf(it.key()))
                out.fileNames << *name;
        } else if (it.value() == QLatin1String("x10.2.2")) {
            out.personAliases << TermbaseDB.scalar(QStringLiteral("SELECT value FROM text_values WHERE elemID = ?"),
                                                   {it.key()}).toString();
        }
    }
    TermbaseDB.execute(QStringLiteral("DELETE FROM elements WHERE elemID = ?"), {elemID});
    out.deleted = TermbaseDB.changes() > 0;
    // A referrer below another referrer has already gone with it.
    for (const qint64 referrer : referrers)
        TermbaseDB.execute(QStringLiteral("DELETE FROM elements WHERE elemID = ?"), {referrer});
    out.referencesDeleted = qint64(referrers.size());
    if (category == QLatin1String("1") &&
        TermbaseDB.scalar(QStringLiteral("SELECT categoryID FROM elements WHERE elemID = ?"), {out.parentID}).toString() ==
            QLatin1String("0.4") &&
        TermbaseDB.scalar(QStringLiteral("SELECT count(*) FROM elements WHERE parentID = ?"), {out.parentID}).toLongLong() ==
            0) {
        const qint64 section = out.parentID;
        out.parentID =
            TermbaseDB.scalar(QStringLiteral("SELECT parentID FROM elements WHERE elemID = ?"), {section}).toLongLong();
        TermbaseDB.execute(QStringLiteral("DELETE FROM elements WHERE elemID = ?"), {section});
        out.sectionDeleted = section;
    }
    tx.commit();
    return out;
}

qint64 StoreBackMatterRecord(qint64 containerID, const QString &categoryID, const QString &text,
                             const std::vector<RecordField> &fields, qint64 &lastElemID)
{
    return storing(ElementNotStored, [&] {
        StoreCommand store(lastElemID);
        const qint64 record = store.newElemID();
        insertElement(record, categoryID, containerID);
        insertRow(QStringLiteral("text_values"), record, text);
        for (const RecordField &f : fields) {
            if (f.text.isEmpty())
                continue;
            const qint64 field = store.newElemID();
            insertElement(field, f.categoryID, record);
            insertRow(QStringLiteral("text_values"), field, f.text);
        }
        store.commit();
        return record;
    });
}

qint64 StoreFileRecord(qint64 containerID, const QString &categoryID, const QString &fileName, qint64 &lastElemID)
{
    return storing(ElementNotStored, [&] {
        StoreCommand store(lastElemID);
        const qint64 record = store.newElemID();
        insertElement(record, categoryID, containerID);
        insertRow(QStringLiteral("ref_values"), record, fileName);
        store.commit();
        return record;
    });
}
