#include "ExchangeFixture.h"
#include "db/Error.h"
#include "exchange/OxpExport.h"
#include "exchange/OxpImport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString crlf = "\r\n";

// Everything an import can change, as text: concepts with Type and definition, links,
// domains.
QStringList ontologyState()
{
    QStringList out;
    const auto rows = [&](const char *sql) {
        db::Statement st(OntologyDB, sql);
        while (st.step()) {
            QStringList cells;
            for (int i = 0; i < st.columnCount(); ++i)
                cells << (st.column(i).isNull() ? QString("<null>") : st.column(i).toString());
            out << cells.join('|');
        }
    };
    rows("SELECT Concept, Type, Definition, Subset_ID FROM CONCEPTS ORDER BY Concept");
    rows("SELECT Concept, ISA FROM ISA ORDER BY Concept, ISA");
    rows("SELECT Concept1, Rel, Concept2, \"Default\" FROM RELATIONS ORDER BY Concept1, Rel, Concept2");
    return out;
}

// The whole of a log, as Save Log writes it (without its final CR LF).
QString wholeLog(OxpLog &log)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.txt");
    log.saveAs(path);
    QString text = QString::fromUtf8(fileBytes(path));
    text.chop(2);
    return text;
}

OxpCheckResult checkFile(const QString &path, const OxpImportOptions &options = {})
{
    OxpLog log;
    return CheckOxpFile(path, options, log);
}

struct Imported {
    OxpCheckResult check;
    QString checkLog, log;
    OxpImportResult result;
};

Imported checkAndImport(const QString &path, const OxpImportOptions &options = {})
{
    Imported r;
    OxpLog checkLog, log;
    r.check = CheckOxpFile(path, options, checkLog);
    r.checkLog = wholeLog(checkLog);
    r.result = ImportOxpFile(r.check, options, log);
    r.log = wholeLog(log);
    return r;
}

// The lines an import takes or derives: IS-A, DEFINITION, SUBCLASSES and DOMAIN.
QStringList importedKinds(const QByteArray &bytes)
{
    QStringList out;
    for (const QByteArray &line : bytes.split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        const OxpSlotKind kind = GetOxpSlotType(text);
        if (kind == OxpSlotKind::Concept || kind == OxpSlotKind::Definition || kind == OxpSlotKind::Subclasses ||
            kind == OxpSlotKind::Domain)
            out << text;
    }
    return out;
}

}  // namespace

TEST(Import, RoundTripKeepsLinksTypesDefinitionsAndDomains)
{
    QByteArray exported;
    {
        NewOntology source;
        addSmallOntology();
        const QString path = source.dir.file("all.oxp");
        ExportConceptsToOxp(path, allConcepts());
        exported = fileBytes(path);
    }
    NewOntology target;
    const QString path = target.dir.write("all.oxp", exported);
    const Imported first = checkAndImport(path);
    EXPECT_TRUE(first.checkLog.endsWith("-> ODD (Type 13) is linked to OBJECT (Type 1)" + crlf))
        << first.checkLog.toStdString();
    QStringList added = first.result.addedConcepts;
    added.sort();
    EXPECT_EQ(added, (QStringList{"ARTIFACT", "CAR", "ODD", "SEDAN", "TRUCK", "VEHICLE", "WHEEL"}));
    const QString again = target.dir.file("again.oxp");
    ExportConceptsToOxp(again, allConcepts());
    EXPECT_EQ(importedKinds(fileBytes(again)), importedKinds(exported));
    EXPECT_TRUE(OntologyDB.scalar("SELECT Definition FROM CONCEPTS WHERE Concept = 'CAR'").isNull());
    EXPECT_EQ(OntologyDB.scalar("SELECT Definition FROM CONCEPTS WHERE Concept = 'SEDAN'").toString(), "Undefined");

    const QStringList before = ontologyState();
    // Nothing the file brings is new, so nothing may be written again.
    OntologyDB.execute("CREATE TEMP TRIGGER unchanged BEFORE UPDATE ON CONCEPTS "
                       "BEGIN SELECT RAISE(ABORT, 'a definition was written again'); END");
    const Imported second = checkAndImport(path);
    OntologyDB.execute("DROP TRIGGER unchanged");
    EXPECT_FALSE(second.check.hasImportable()) << "Check File knows there is nothing new";
    EXPECT_EQ(ontologyState(), before) << "a second import adds no concept, link or domain";
    EXPECT_TRUE(second.log.contains("- Warning on line #: ")) << second.log.toStdString();
    EXPECT_TRUE(second.log.contains(" -> the domain VEHICLE exists for the concept COLOR: not added again" + crlf));
    EXPECT_EQ(ImportHeaderText({}, second.result).section(crlf, 4),
              "- 0 CONCEPT slots added." + crlf + "- 0 DEFINITION slots added." + crlf + "- 0 DOMAIN slots added." + crlf);
}

TEST(Import, CheckFileCountsAndSummary)
{
    NewOntology o;
    const QString path = o.dir.write("c.oxp",
                                     "(A IS-A VALUE OBJECT 1)\r\n"
                                     "(A SUBCLASSES VALUE B)\r\n"
                                     "(A DEFINITION VALUE \"x\")\r\n"
                                     "(A HAS-PART SEM WHEEL)\r\n"
                                     "(COLOR DOMAIN SEM A)\r\n"
                                     "(COLOR RANGE VALUE red)\r\n"
                                     "\r\n"
                                     "(A B)\r\n"
                                     "(A IS-A VALUE B\r\n"
                                     "(A COLOR VALUE is-a thing)\r\n");
    OxpImportOptions options;
    QStringList passes;
    qint64 ended = 0;
    const OxpProgress progress{[&](const QString &pass, qint64 lines) {
                                   passes << pass + " " + QString::number(lines);
                               },
                               {}, [&] { ++ended; }};
    OxpLog log;
    const OxpCheckResult c = CheckOxpFile(path, options, log, progress);
    const QString checkLog = wholeLog(log);
    EXPECT_EQ(passes, QStringList(4, "Performing shallow parsing... 10")) << "the parse and its look at each phase";
    EXPECT_EQ(ended, 4);
    passes.clear();
    OxpLog importLog;
    ImportOxpFile(c, options, importLog, progress);
    // Writing the concepts and links after the DEFINITION pass is a pass of its own.
    EXPECT_EQ(passes, (QStringList{"Importing CONCEPT slots... 10", "Importing DEFINITION slots... 10",
                                   "Importing CONCEPT slots... 1", "Importing DOMAIN slots... 10"}));
    EXPECT_EQ(c.lines, 10);
    EXPECT_EQ(checkLog, "- Error on line #: 7 -> the line is empty" + crlf +
                            "- Error on line #: 8 -> the line is shorter than 7 characters" + crlf +
                            "- Error on line #: 9 -> the line does not end with \")\"" + crlf);
    EXPECT_EQ(CheckSummaryText(c),
              "Import file contains: " + crlf + QString(29, '-') + crlf + "- 1 CONCEPT slots." + crlf +
                  "- 1 SUBCLASSES slots." + crlf + "- 1 DEFINITION slots." + crlf + "- 2 PROPERTY slots." + crlf +
                  "- 1 DOMAIN slots." + crlf + "- 1 RANGE slots." + crlf + crlf + "A total of 10 lines were parsed." +
                  crlf + crlf + "Note that this is a shallow parsing. Errors may occur while importing" + crlf + crlf +
                  "Click the 'Import!' button to start importing data." + crlf + QString(69, '-') + crlf + crlf);

    struct Case {
        const char *what;
        QByteArray bytes;
        bool importable;
    } cases[] = {
        {"empty", "", false},
        {"only SUBCLASSES and relations", "(A SUBCLASSES VALUE B)\r\n(A HAS-PART SEM B)\r\n", false},
        // RANGE lines are never imported.
        {"only RANGE", "(A RANGE SEM B)\r\n", false},
        {"every line refused", "(A IS-A VALUE B 7)\r\n(NONE DEFINITION VALUE \"x\")\r\n(A IS-A VALUE  1)\r\n", false},
        {"the root given a parent", "(ALL IS-A VALUE OBJECT 1)\r\n", false},
        {"one line of several", "(A IS-A VALUE B 7)\r\n(NONE DEFINITION VALUE \"x\")\r\n(C DOMAIN SEM OBJECT)\r\n"
                                "(NEW IS-A VALUE OBJECT 1)\r\n", true},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        const OxpCheckResult r = checkFile(o.dir.write("k.oxp", k.bytes), options);
        EXPECT_EQ(r.hasImportable(), k.importable);
        const QString summary = CheckSummaryText(r);
        EXPECT_EQ(summary.contains("Nothing to import from file: " + crlf + r.path + crlf), !k.importable);
        EXPECT_EQ(CheckSummaryText(checkFile(r.path, options)), summary) << "checking twice gives the same";
    }
}

TEST(Import, HostileLinesAreRefusedWithTheirNumberAndImportNothing)
{
    NewOntology o;
    const QByteArray good = "(FINE IS-A VALUE OBJECT 1)\r\n";
    struct Case {
        const char *what;
        QByteArray line2;
        QString logged;  // a part of the import log
    } cases[] = {
        {"a 10 MB line", "(" + QByteArray(10 << 20, 'A') + " IS-A VALUE B 1)", "- Error on line #: 2 -> the line is longer"},
        {"binary bytes", QByteArray("(\x00\x01 IS-A VALUE \xFF\xFE 1)", 20),
         "- Error on line #: 2 -> the concept holds the control character 0"},
        {"unbalanced parentheses", "((A IS-A VALUE B 1", "- Error on line #: 2 -> the line does not end with \")\""},
        {"a self-link", "(SELF IS-A VALUE self 1)", "- Error on line #: 2 -> SELF cannot be its own parent"},
        {"a parent for the root", "(ALL IS-A VALUE OBJECT 1)", "- Error on line #: 2 -> ALL is the root and can have no parent"},
        {"an empty identifier", "( IS-A VALUE OBJECT 1)", "- Error on line #: 2 -> the concept is empty"},
        {"a 256-character identifier", "(" + QByteArray(256, 'L') + " IS-A VALUE OBJECT 1)",
         "- Error on line #: 2 -> the concept is longer than 255 characters"},
        {"a control character in an identifier", QByteArray("(A\x00" "B IS-A VALUE OBJECT 1)", 25),
         "- Error on line #: 2 -> the concept holds the control character 0"},
        {"a quote in an identifier", "(BAD\"ONE IS-A VALUE OBJECT 1)", "- Error on line #: 2 -> the concept \"BAD\"ONE\" holds"},
        {"a non-digit Type", "(X IS-A VALUE OBJECT one)", "- Error on line #: 2 -> the Type \"one\" is not a number"},
        {"an unknown Type", "(X IS-A VALUE OBJECT 6)", "- Error on line #: 2 -> the Type 6 is not one of"},
        {"a short line", "(A IS-A B)", "- Error on line #: 2 -> VALUE does not follow IS-A"},
        {"a definition that is no text", "(OBJECT DEFINITION VALUE )", "- Error on line #: 2 -> the definition is neither"},
        {"a domain without SEM", "(COLOR DOMAIN VALUE OBJECT)", "- Error on line #: 2 -> neither SEM nor DEFAULT"},
        {"two blanks before the Type", "(T-SP IS-A VALUE OBJECT  1)",
         "- Error on line #: 2 -> the parent \"OBJECT \" starts or ends with a blank"},
        {"a stray parenthesis", "((OBJECT IS-A VALUE X 1)",
         "- Error on line #: 2 -> the concept \"(OBJECT\" holds an unbalanced parenthesis"},
        {"a NUL in a definition", QByteArray("(OBJECT DEFINITION VALUE \"a\0b\")", 31),
         "- Error on line #: 2 -> the definition holds a NUL character"},
        {"a definition for a concept not in the ontology", "(NOWHERE DEFINITION VALUE \"x\")",
         "- Error on line #: 2 -> the concept NOWHERE is not in the ontology"},
        {"a domain of a concept not in the ontology", "(NOWHERE DOMAIN SEM OBJECT)",
         "- Error on line #: 2 -> the concept NOWHERE or the domain OBJECT is not in the ontology"},
        {"a definition with is-a in it", "(OBJECT DEFINITION VALUE \"x is-a y\")", ""},
    };
    const QStringList pristine = ontologyState();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        OntologyDB.execute("DELETE FROM ISA WHERE Concept = 'FINE'");
        OntologyDB.execute("DELETE FROM CONCEPTS WHERE Concept = 'FINE'");
        OntologyDB.execute("UPDATE CONCEPTS SET Definition = 'Anything that exists and can be perceived or thought "
                           "of as a thing.' WHERE Concept = 'OBJECT'");
        const QString path = o.dir.write("h.oxp", good + c.line2 + "\r\n");
        const Imported r = checkAndImport(path);
        EXPECT_TRUE(r.log.contains(c.logged)) << r.log.left(2000).toStdString();
        EXPECT_TRUE(r.checkLog.contains(c.logged)) << "Check File says the same: " << r.checkLog.left(2000).toStdString();
        EXPECT_EQ(r.result.addedConcepts, QStringList{"FINE"});
        QStringList expected = pristine;
        QStringList now = ontologyState();
        now.removeAll("FINE|1|<null>|1");
        now.removeAll("FINE|OBJECT");
        if (QByteArray(c.what) == "a definition with is-a in it") {
            EXPECT_TRUE(now.contains("OBJECT|1|x is-a y|1"));
            continue;
        }
        EXPECT_EQ(now, expected) << "the refused line imports nothing";
    }
}

TEST(Import, CyclesAndTypesAcrossLinks)
{
    NewOntology o;
    const QString path = o.dir.write("cy.oxp",
                                     "(X IS-A VALUE Y 1)\n"
                                     "(Y IS-A VALUE Z 1)\n"
                                     "(Z IS-A VALUE X 1)\n"
                                     "(Y IS-A VALUE OBJECT 1)\n"
                                     "(E IS-A VALUE OBJECT 2)\n"
                                     "(OBJECT IS-A VALUE X 1)\n");
    const Imported r = checkAndImport(path);
    EXPECT_EQ(r.log, "- Warning on line #: 2 -> Z is added without a parent: no tree shows it" + crlf +
                         "- Error on line #: 3 -> linking Z to X would make a cycle of IS-A links" + crlf +
                         "- Warning on line #: 5 -> E (Type 2) is linked to OBJECT (Type 1)" + crlf +
                         "- Error on line #: 6 -> linking OBJECT to X would make a cycle of IS-A links" + crlf);
    EXPECT_TRUE(r.checkLog.contains("- Error on line #: 3 -> linking Z to X")) << "Check File reports it too";
    EXPECT_EQ(r.result.addedConcepts, (QStringList{"X", "Y", "Z", "E"}));
    EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM ISA WHERE Concept IN ('X', 'Y', 'Z', 'E', 'OBJECT')").toInt(),
              1 + 2 + 0 + 1 + 1);
    // Identifiers that differ only in letter case are one concept, as the file compares them.
    const QString cased = o.dir.write("c.oxp", "(Puppy IS-A VALUE object 1)\r\n(PUPPY IS-A VALUE OBJECT 1)\r\n");
    EXPECT_EQ(checkAndImport(cased).result.addedConcepts, QStringList{"Puppy"});
    EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM ISA WHERE Concept = 'puppy'").toInt(), 1);

    // A parent added before its own line takes its Type from that line.
    const QString typed = o.dir.write("t.oxp", "(KID IS-A VALUE NEWPARENT 13)\r\n(NEWPARENT IS-A VALUE DOMAIN 14)\r\n");
    const Imported t = checkAndImport(typed);
    EXPECT_EQ(OntologyDB.scalar("SELECT Type FROM CONCEPTS WHERE Concept = 'NEWPARENT'").toInt(), 14);
    EXPECT_TRUE(t.log.contains("- Warning on line #: 1 -> KID (Type 13) is linked to NEWPARENT (Type 14)"));
}

TEST(Import, OptionsChoosePhasesAndHowDefinitionsAreReplaced)
{
    NewOntology o;
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES "
                       "('HAS', 'kept?', 1, 1), ('NONE', NULL, 1, 1), ('WORD', 'Undefined', 1, 1)");
    const QString path = o.dir.write("d.oxp",
                                     "(NEW IS-A VALUE OBJECT 1)\r\n"
                                     "(HAS DEFINITION VALUE \"new text\")\r\n"
                                     "(NONE DEFINITION VALUE \"set\")\r\n"
                                     "(WORD DEFINITION VALUE \"set too\")\r\n"
                                     "(HAS DEFINITION VALUE Undefined)\r\n"
                                     "(COLOR DOMAIN DEFAULT EVENT)\r\n");
    const auto definitions = [] {
        QStringList out;
        for (const char *id : {"HAS", "NONE", "WORD"})
            out << OntologyDB.scalar("SELECT Definition FROM CONCEPTS WHERE Concept = ?", {id}).toString();
        return out;
    };
    struct Case {
        const char *what;
        OxpImportOptions options;
        QList<ui::Answer> answers;
        QStringList definitions;
        bool conceptAdded, domainAdded, cancelled;
    } cases[] = {
        {"Yes", {}, {}, {"new text", "set", "set too"}, true, true, false},
        {"No", {true, true, true, OxpOverwrite::No, {}}, {}, {"kept?", "set", "set too"}, true, true, false},
        {"Ask: No", {true, true, true, OxpOverwrite::Ask, {}}, {ui::Answer::No}, {"kept?", "set", "set too"}, true, true, false},
        {"Ask: Yes", {true, true, true, OxpOverwrite::Ask, {}}, {ui::Answer::Yes}, {"new text", "set", "set too"}, true, true, false},
        {"Ask: Cancel", {true, true, true, OxpOverwrite::Ask, {}}, {ui::Answer::Cancel}, {"kept?", "", "Undefined"}, false, false, true},
        {"no concepts", {false, true, true, OxpOverwrite::Yes, {}}, {}, {"new text", "set", "set too"}, false, true, false},
        {"no definitions", {true, false, true, OxpOverwrite::Yes, {}}, {}, {"kept?", "", "Undefined"}, true, true, false},
        {"no relations", {true, true, false, OxpOverwrite::Yes, {}}, {}, {"new text", "set", "set too"}, true, false, false},
    };
    for (Case &c : cases) {
        SCOPED_TRACE(c.what);
        OntologyDB.execute("DELETE FROM ISA WHERE Concept = 'NEW'");
        OntologyDB.execute("DELETE FROM CONCEPTS WHERE Concept = 'NEW'");
        OntologyDB.execute("DELETE FROM RELATIONS WHERE Concept1 = 'COLOR' AND Concept2 = 'EVENT'");
        OntologyDB.execute("UPDATE CONCEPTS SET Definition = CASE Concept WHEN 'HAS' THEN 'kept?' WHEN 'WORD' THEN "
                           "'Undefined' ELSE NULL END WHERE Concept IN ('HAS', 'NONE', 'WORD')");
        QStringList asked;
        c.options.askOverwrite = [&](const QString &id) {
            asked << id;
            return c.answers.isEmpty() ? ui::Answer::Yes : c.answers.takeFirst();
        };
        const Imported r = checkAndImport(path, c.options);
        EXPECT_EQ(r.result.cancelled, c.cancelled);
        EXPECT_EQ(definitions(), c.definitions);
        EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM CONCEPTS WHERE Concept = 'NEW'").toInt(), c.conceptAdded);
        EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM RELATIONS WHERE Concept1 = 'COLOR' AND Concept2 = 'EVENT' "
                                    "AND \"Default\"").toInt(),
                  c.domainAdded);
        if (c.options.overwrite == OxpOverwrite::Ask) {
            EXPECT_EQ(asked, QStringList{"HAS"}) << "only a concept with a definition is asked about";
        }
    }
}

TEST(Import, AFileChangedAfterCheckFileOrAFailureImportsNothing)
{
    NewOntology o;
    const QString path = o.dir.write("f.oxp", "(A IS-A VALUE OBJECT 1)\r\n");
    const OxpCheckResult checked = checkFile(path);
    o.dir.write("f.oxp", "(B IS-A VALUE OBJECT 1)\r\n");
    const QStringList before = ontologyState();
    OxpLog log;
    try {
        ImportOxpFile(checked, {}, log);
        FAIL() << "a changed file is refused";
    } catch (const db::DbError &e) {
        EXPECT_TRUE(e.description().contains("has changed since it was checked"));
    }
    EXPECT_TRUE(wholeLog(log).contains("has changed since it was checked"));
    EXPECT_EQ(ontologyState(), before);

    // An error of the file at line 3 rolls back lines 1 and 2 as well.
    OntologyDB.execute("CREATE TRIGGER refuse BEFORE INSERT ON ISA WHEN NEW.Concept = 'C' "
                       "BEGIN SELECT RAISE(ABORT, 'refused by the file'); END");
    const QString failing = o.dir.write("g.oxp", "(A IS-A VALUE OBJECT 1)\r\n(B IS-A VALUE A 1)\r\n(C IS-A VALUE B 1)\r\n");
    log.clear();
    try {
        ImportOxpFile(checkFile(failing), {}, log);
        FAIL() << "the engine's error reaches the caller";
    } catch (const db::DbError &e) {
        EXPECT_TRUE(e.description().startsWith("Import failed on line #: 3: ")) << e.description().toStdString();
    }
    EXPECT_TRUE(wholeLog(log).contains("Import failed on line #: 3"));
    EXPECT_EQ(ontologyState(), before);

    // Without subset 1 nothing is written, and Check File says so first.
    OntologyDB.execute("INSERT INTO Subsets (Subset_ID, Subset) VALUES (2, 'Other')");
    OntologyDB.execute("UPDATE CONCEPTS SET Subset_ID = 2");
    OntologyDB.execute("DELETE FROM Subsets WHERE Subset_ID = 1");
    const QStringList moved = ontologyState();
    OxpLog noSubsetLog;
    const OxpCheckResult noSubset = CheckOxpFile(failing, {}, noSubsetLog);
    EXPECT_TRUE(wholeLog(noSubsetLog).contains("The ontology has no subset 1"));
    log.clear();
    EXPECT_THROW(ImportOxpFile(noSubset, {}, log), db::DbError);
    EXPECT_EQ(ontologyState(), moved);
}

TEST(Import, CheckFileListsRefusalsInFileOrderAndShowsTheFirstOnly)
{
    NewOntology o;
    // Refusals that the shallow parse finds (a Type unknown) and refusals that only a look
    // at the ontology finds (a definition of a concept not in it), in turn; more of them
    // than are kept in memory.
    constexpr int lines = 5000;
    QByteArray bytes;
    for (int n = 1; n <= lines; ++n)
        bytes += (n % 2 ? "(NONE" + QByteArray::number(n) + " DEFINITION VALUE \"x\")"
                        : "(C" + QByteArray::number(n) + " IS-A VALUE P 7)") +
                 "\r\n";
    const QString path = o.dir.write("order.oxp", bytes);
    OxpLog log;
    CheckOxpFile(path, {}, log);
    const QStringList whole = wholeLog(log).split(crlf, Qt::SkipEmptyParts);
    ASSERT_EQ(whole.size(), lines);
    for (int n = 1; n <= lines; ++n)
        ASSERT_TRUE(whole[n - 1].startsWith("- Error on line #: " + QString::number(n) + " -> ")) << whole[n - 1].toStdString();

    const QStringList shown = log.takeShown().split(crlf, Qt::SkipEmptyParts);
    ASSERT_EQ(shown.size(), OxpLog::shownLinesPerRun + 1);
    EXPECT_EQ(shown.mid(0, int(OxpLog::shownLinesPerRun)), whole.mid(0, int(OxpLog::shownLinesPerRun)));
    EXPECT_EQ(shown.back(), QString("- ... and %1 more lines, not shown here. Save Log writes the whole log.")
                                .arg(lines - OxpLog::shownLinesPerRun));
    log.text("summary" + crlf);
    EXPECT_EQ(log.takeShown(), "summary" + crlf) << "a text of the dialog's own is always shown";
}
