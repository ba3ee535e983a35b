#pragma once
// Creating a termbase is all or nothing: the file with its schema and seed, its first
// MetaData row, its "-publish" and "-back" folders and its row in the working
// ontology's TermBases either all come to be, or none of them stays behind.
//
//     NewTermbase made(TermbasePath, progress);  // 3204 when the file exists
//     ... ask the user for the properties; returning now leaves nothing ...
//     made.complete(properties);

#include "Global.h"
#include "TermbaseSchema.h"

#include <QString>
#include <QStringList>

class NewTermbase {
public:
    // Creates the file with its schema, the resource rows and the ontology's concepts.
    explicit NewTermbase(const QString &path, const CopyProgress &progress = {});
    // Removes the file, and the folders this New made, unless complete() succeeded.
    ~NewTermbase();
    NewTermbase(const NewTermbase &) = delete;
    NewTermbase &operator=(const NewTermbase &) = delete;

    // Writes the first MetaData row from the typed properties (WriteFirstMetaData),
    // makes the folders and links the termbase to the working ontology. On failure
    // everything this New made is removed at once and the error goes to the caller.
    void complete(const TermbaseInfoRecord &properties);

    const QString &path() const { return m_path; }

private:
    void discard();

    QString m_path;
    QStringList m_madeFolders;
    bool m_created = false;
    bool m_done = false;
};
