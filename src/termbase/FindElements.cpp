#include "FindElements.h"

#include "ElementTree.h"
#include "Global.h"

namespace {

// Term entries of the entries' container, in the order of their concepts as the tree sorts
// them (the column's own collation, ties by elemID).
const QString entriesInOrder = QStringLiteral(
    "TE_CONCEPTS tc CROSS JOIN elements e ON e.elemID = tc.elemID AND e.parentID = 3 AND e.categoryID = '0.3' ");

// Where an element stands in the order of entries, sections and terms.
struct Place {
    QString entryConcept;
    qint64 entry = 0;
    qint64 section = 0;
    qint64 term = 0;
};

std::optional<Place> placeOfTerm(qint64 termID)
{
    db::Statement st(TermbaseDB, QStringLiteral("SELECT tc.Concept, tc.elemID, s.elemID FROM elements t "
                                                "JOIN elements s ON s.elemID = t.parentID "
                                                "JOIN TE_CONCEPTS tc ON tc.elemID = s.parentID WHERE t.elemID = ?1"));
    st.bind(1, termID);
    if (!st.step())
        return std::nullopt;
    return Place{st.column(0).toString(), st.column(1).toLongLong(), st.column(2).toLongLong(), termID};
}

// Terms after the place (?2 concept, ?3 entry, ?4 section, ?5 term).
const QString termsAfter = QStringLiteral(
    "(tc.Concept > ?2 OR (tc.Concept = ?2 AND (tc.elemID > ?3 OR (tc.elemID = ?3 AND "
    "(s.elemID > ?4 OR (s.elemID = ?4 AND te.elemID > ?5))))))");
// Terms are the elements of category "1" under a language section, whatever its language.
const QString termsOfSections = QStringLiteral(
    "CROSS JOIN elements s ON s.parentID = tc.elemID AND s.categoryID = '0.4' "
    "CROSS JOIN elements te ON te.parentID = s.elemID AND te.categoryID = '1' "
    "CROSS JOIN TERMS t ON t.elemID = te.elemID ");
const QString termOrder = QStringLiteral(" ORDER BY tc.Concept, tc.elemID, s.elemID, te.elemID LIMIT 1");

// A search that goes on from a term looks at the next few entries first: the next match
// is most often near, and reading a few entries in order costs less than looking at
// every term of the file.
constexpr int NearEntries = 64;

std::optional<qint64> firstTerm(const QString &pattern, const std::optional<Place> &after, bool anyTerm)
{
    const QString match = anyTerm ? QStringLiteral("1") : QStringLiteral("t.term GLOB ?1");
    const auto bindPlace = [&](db::Statement &st) {
        if (!anyTerm)
            st.bind(1, pattern);
        if (after) {
            st.bind(2, after->entryConcept);
            st.bind(3, after->entry);
            st.bind(4, after->section);
            st.bind(5, after->term);
        }
    };
    if (after) {
        db::Statement near(TermbaseDB,
                           QStringLiteral("SELECT te.elemID FROM (SELECT tc.elemID, tc.Concept FROM ") + entriesInOrder +
                               QStringLiteral("WHERE tc.Concept >= ?2 AND NOT (tc.Concept = ?2 AND tc.elemID < ?3) "
                                              "ORDER BY tc.Concept, tc.elemID LIMIT ?6) tc ") +
                               termsOfSections + QStringLiteral("WHERE ") + match + QStringLiteral(" AND ") + termsAfter +
                               termOrder);
        bindPlace(near);
        near.bind(6, NearEntries);
        if (near.step())
            return near.column(0).toLongLong();
    }
    db::Statement all(TermbaseDB, QStringLiteral("SELECT te.elemID FROM TERMS t "
                                                 "JOIN elements te ON te.elemID = t.elemID AND te.categoryID = '1' "
                                                 "JOIN elements s ON s.elemID = te.parentID AND s.categoryID = '0.4' "
                                                 "JOIN TE_CONCEPTS tc ON tc.elemID = s.parentID "
                                                 "JOIN elements e ON e.elemID = tc.elemID AND e.parentID = 3 "
                                                 "AND e.categoryID = '0.3' WHERE ") +
                                      match + (after ? QStringLiteral(" AND ") + termsAfter : QString()) + termOrder);
    bindPlace(all);
    if (all.step())
        return all.column(0).toLongLong();
    return std::nullopt;
}

}  // namespace

QString FindPattern(const QString &text, bool fullWord)
{
    // "[" opens a class in the engine's patterns: a class of itself alone stands for it.
    QString pattern = text;
    pattern.replace(QLatin1Char('['), QStringLiteral("[[]"));
    return fullWord ? pattern : pattern + QLatin1Char('*');
}

bool MatchesFindPattern(const QString &label, const QString &pattern)
{
    return TermbaseDB.scalar(QStringLiteral("SELECT ?1 GLOB ?2"), {label, pattern}).toLongLong() != 0;
}

std::optional<qint64> FindEntry(const QString &pattern, qint64 after)
{
    std::optional<QString> afterConcept;
    if (after != 0) {
        const QVariant c = TermbaseDB.scalar(QStringLiteral("SELECT Concept FROM TE_CONCEPTS WHERE elemID = ?"), {after});
        if (!c.isNull())
            afterConcept = c.toString();
    }
    const auto first = [&](bool fromPlace) -> std::optional<qint64> {
        db::Statement st(TermbaseDB, QStringLiteral("SELECT tc.elemID FROM ") + entriesInOrder +
                                         QStringLiteral("WHERE tc.Concept GLOB ?1") +
                                         (fromPlace ? QStringLiteral(" AND tc.Concept >= ?2 AND NOT "
                                                                     "(tc.Concept = ?2 AND tc.elemID <= ?3)")
                                                    : QString()) +
                                         QStringLiteral(" ORDER BY tc.Concept, tc.elemID LIMIT 1"));
        st.bind(1, pattern);
        if (fromPlace) {
            st.bind(2, *afterConcept);
            st.bind(3, after);
        }
        if (st.step())
            return st.column(0).toLongLong();
        return std::nullopt;
    };
    if (afterConcept)
        if (const auto next = first(true))
            return next;
    return first(false);
}

std::optional<qint64> FindTermElement(const QString &pattern, qint64 after)
{
    std::optional<Place> place;
    if (after != 0) {
        place = placeOfTerm(after);
        if (!place)
            return std::nullopt;
    }
    return firstTerm(pattern, place, false);
}

bool HasTermAfter(qint64 termID)
{
    const std::optional<Place> place = placeOfTerm(termID);
    return place && firstTerm(QString(), place, true).has_value();
}
