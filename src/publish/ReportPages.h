#pragma once
// The pages of one reports run: concept pages of the open ontology, or entry pages of
// the open termbase named by their concepts, written into one folder with the same
// choices for every page. What is read once for the whole run (the entries' elemIDs,
// the hierarchy when many pages are written) is read when the run is made.

#include <QHash>
#include <QString>
#include <memory>

class HierarchySnapshot;

class ReportPages {
public:
    struct Include {
        bool ancestors = true;
        bool descendants = true;
        bool inheritedRelations = false;
        bool inheritedAttributes = false;
        bool structures = false;  // entry pages: the Conceptual Structures of their concept
    };

    ReportPages(bool entries, const QString &folder, const Include &include, qsizetype pageCount);
    ~ReportPages();

    // Writes the page of one concept or entry; false, and nothing written, for an entry
    // that is no longer in the termbase. Failures of the file or the databases are thrown.
    bool write(const QString &item);

private:
    bool m_entries;
    QString m_folder;
    Include m_include;
    QHash<QString, qint64> m_entryElemIDs;
    std::unique_ptr<HierarchySnapshot> m_snapshot;
};
