#include "ReportPages.h"

#include "HTMLStuff.h"
#include "ontology/FileBeside.h"
#include "ontology/Global.h"
#include "termbase/EntryConcepts.h"

namespace {

// Reading the whole hierarchy costs about what a few hundred pages cost through the
// engine; a run of many pages reads it once, a run of a few does not.
constexpr qsizetype snapshotFromPages = 500;

}  // namespace

ReportPages::ReportPages(bool entries, const QString &folder, const Include &include, qsizetype pageCount)
    : m_entries(entries), m_folder(folder), m_include(include)
{
    // What a run stopped half-way left beside its pages would stay for good otherwise.
    RemoveLeftoverFilesBeside(m_folder);
    if (m_entries)
        m_entryElemIDs = EntryElemIDs();
    const bool readsHierarchy = !m_entries || m_include.structures;
    if (readsHierarchy && pageCount >= snapshotFromPages)
        m_snapshot = std::make_unique<HierarchySnapshot>(HierarchySnapshot::read(OntologyDB, RootConcept));
}

ReportPages::~ReportPages() = default;

bool ReportPages::write(const QString &item)
{
    const Include &i = m_include;
    if (!m_entries) {
        WriteConceptPage(item, m_folder, i.ancestors, i.descendants, i.inheritedRelations, i.inheritedAttributes,
                         m_snapshot.get());
        return true;
    }
    const auto entry = m_entryElemIDs.constFind(item);
    if (entry == m_entryElemIDs.constEnd())
        return false;
    WriteTermEntryPage(item, *entry, m_folder, i.structures, i.ancestors, i.descendants, i.inheritedRelations,
                       i.inheritedAttributes, m_snapshot.get());
    return true;
}
