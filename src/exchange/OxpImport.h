#pragma once
// Importing an export file into the open ontology, in three phases that each read the
// file from its first line: CONCEPT (IS-A lines: missing concepts, missing parents with
// the child's Type, and the links), DEFINITION (definitions) and DOMAIN (domains).
// SUBCLASSES, RANGE, relation and attribute lines are never imported.
//
// Every line is checked before anything is written. A line that cannot be read, names an
// identifier the file cannot store or a Type the ontology does not know, links a concept
// to itself, gives the root a parent or closes a cycle of IS-A links is refused; a link
// between concepts of different Types is imported with a warning, and so is a concept
// the import adds without a parent (named only as a parent, or its own link refused),
// which no tree shows. Each refusal and warning is one log line, "- Error on line #: n
// -> why" or "- Warning on line #: n -> why"; Check File and the import list the same
// lines, in the order of the file's lines. Only what changes is written and counted: a
// definition the concept has already is left alone.
//
// The import is one transaction: an error of the file, a file that is no longer the one
// checked, or Cancel on an overwrite question rolls everything back, so the ontology is
// never half-imported.

#include "OxpLines.h"
#include "OxpLog.h"
#include "ui/MsgBox.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

enum class OxpOverwrite { Yes, No, Ask };

struct OxpImportOptions {
    bool concepts = true;     // the CONCEPT phase
    bool definitions = true;  // the DEFINITION phase
    bool relations = true;    // the DOMAIN phase: domains are relation rows
    OxpOverwrite overwrite = OxpOverwrite::Yes;
    // Ask: whether the definition of this concept is to be replaced; Yes, No or Cancel.
    std::function<ui::Answer(const QString &conceptId)> askOverwrite;
};

// A pass over the file: begin names it (the status panel's text) and gives the number of
// lines, step reports the line reached now and then, end closes it.
struct OxpProgress {
    std::function<void(const QString &pass, qint64 lines)> begin;
    std::function<void(qint64 line)> step;
    std::function<void()> end;
};

struct OxpCheckResult {
    QString path;
    qint64 lines = 0;
    std::array<qint64, 10> counts{};  // by OxpSlotKind
    QByteArray fingerprint;
    // The kind of every line, by its number from 1 (a byte each): the passes that follow
    // take their lines without classifying each line again. A line the check refused as
    // it read it (too long, not well formed, fields that cannot be taken) is unreadKind.
    static constexpr char unreadKind = 0;
    QByteArray kinds;
    // The concepts, links, definitions and domains the import would add or change, as
    // the ontology stands now.
    qint64 changes = 0;

    qint64 count(OxpSlotKind kind) const { return counts[size_t(kind)]; }
    bool hasImportable() const { return changes > 0; }
};

// Check File: counts the lines and the well-formed slots of each kind, and writes into
// the log, in the order of the file's lines, every line the import with these options
// would refuse or warn about, without writing anything into the ontology.
OxpCheckResult CheckOxpFile(const QString &path, const OxpImportOptions &options, OxpLog &log,
                            const OxpProgress &progress = {});

QString CheckStartedText(const QDateTime &at);
// The summary of a check, from "Import file contains: " to the closing rule.
QString CheckSummaryText(const OxpCheckResult &check);

struct OxpImportResult {
    bool ranConcepts = false, ranDefinitions = false, ranDomains = false;
    qint64 conceptsAdded = 0, linksAdded = 0, definitionsSet = 0, domainsAdded = 0;
    QStringList addedConcepts;  // in the order they were added
    bool cancelled = false;     // Cancel on an overwrite question: nothing was written
};

// Imports the checked file, writing its lines into log, in the order of the file's
// lines, when it ends. A failure writes them and its own line into log, rolls back and
// throws db::DbError.
OxpImportResult ImportOxpFile(const OxpCheckResult &checked, const OxpImportOptions &options, OxpLog &log,
                              const OxpProgress &progress = {});

// The header appended after the phases' lines: when the import started, and one line per
// phase that ran with what it added.
QString ImportHeaderText(const QDateTime &startedAt, const OxpImportResult &result);
