#include "ConceptNotes.h"

#include "Global.h"

namespace {

NoteRow noteRow(db::Statement &st)
{
    return {st.column(0).toString(), st.column(1).toString(), st.column(2).toDate()};
}

}  // namespace

std::optional<NoteRow> GetConceptNote(const QString &conceptId)
{
    db::Statement st(OntologyDB,
                     QStringLiteral("SELECT Concept, Note, \"Date\" FROM Notes WHERE Concept = ? ORDER BY Note_ID"));
    st.bind(1, conceptId);
    if (!st.step())
        return std::nullopt;
    return noteRow(st);
}

bool ConceptHasNoteRow(const QString &conceptId)
{
    return !OntologyDB.scalar(QStringLiteral("SELECT 1 FROM Notes WHERE Concept = ?"), {conceptId}).isNull();
}

std::vector<NoteRow> GetAllNotes()
{
    db::Statement st(OntologyDB, QStringLiteral("SELECT Concept, Note, \"Date\" FROM Notes ORDER BY Concept, Note_ID"));
    std::vector<NoteRow> rows;
    while (st.step())
        rows.push_back(noteRow(st));
    return rows;
}

NoteChange ApplyNoteAnswer(const QString &conceptId, NoteButton button, const QString &text)
{
    if (button == NoteButton::Cancel)
        return NoteChange::None;
    db::Transaction tx(OntologyDB);
    const bool exists = ConceptHasNoteRow(conceptId);
    NoteChange change = NoteChange::None;
    if (exists && (button == NoteButton::Delete || text.isEmpty())) {
        OntologyDB.execute(QStringLiteral("DELETE FROM Notes WHERE Concept = ?"), {conceptId});
        change = NoteChange::Deleted;
    } else if (exists) {
        OntologyDB.execute(QStringLiteral("UPDATE Notes SET Note = ?, \"Date\" = ? WHERE Concept = ?"),
                           {text, QDate::currentDate(), conceptId});
        change = NoteChange::Changed;
    } else if (button == NoteButton::OK) {
        OntologyDB.execute(QStringLiteral("INSERT INTO Notes (Concept, Note, \"Date\") VALUES (?, ?, ?)"),
                           {conceptId, text, QDate::currentDate()});
        change = NoteChange::Created;
    }
    tx.commit();
    return change;
}

bool DeleteConceptNote(const QString &conceptId)
{
    db::Transaction tx(OntologyDB);
    OntologyDB.execute(QStringLiteral("DELETE FROM Notes WHERE Concept = ?"), {conceptId});
    const bool deleted = OntologyDB.changes() > 0;
    tx.commit();
    return deleted;
}
