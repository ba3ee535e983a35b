#include "OxpImport.h"

#include "BulkCache.h"
#include "FlatIndex.h"
#include "OxpFile.h"
#include "db/Text.h"
#include "ontology/Global.h"
#include "ontology/LocalSlots.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const QString crlf = QStringLiteral("\r\n");
constexpr int rootType = 100;
constexpr int importSubset = 1;
constexpr qint64 stepEvery = 4096;
const QString shallowParsing = QStringLiteral("Performing shallow parsing...");

QString lineRef(qint64 n) { return QString::number(n); }

// However a pass ends, its progress display closes.
struct ProgressEnd {
    const OxpProgress &progress;
    ~ProgressEnd()
    {
        if (progress.end)
            progress.end();
    }
};

// What the import knows of the ontology's concepts: those stored and those this import
// adds, each once, found by their key as the file compares identifiers.
struct Concepts {
    struct Node {
        QString id;
        int type = 0;
        bool defined = false;  // a definition other than none or "Undefined"
        bool added = false;
        // Added as a parent, with its child's Type: its own IS-A line, when one comes,
        // tells its Type.
        bool typeGuessed = false;
        bool written = false;  // an added concept's row has been written
        qint64 line = 0;       // where an added concept was first named
        bool hasText = false;  // a definition is stored, "Undefined" too
        bool hasParent = false;  // an added concept got a link to a parent
        quint64 textKey = 0;   // of that definition
    };
    std::vector<Node> nodes;
    FlatIndex byKey;

    // Identifiers that differ only in ASCII letter case hash alike, as the file compares them.
    static quint64 keyOf(const QString &id)
    {
        quint64 h = 0xcbf29ce484222325ULL;
        for (QChar c : id) {
            char16_t u = c.unicode();
            if (u >= u'a' && u <= u'z')
                u = char16_t(u - 32);
            h = (h ^ u) * 0x100000001b3ULL;
        }
        return h;
    }
    int find(const QString &id) const
    {
        return byKey.find(keyOf(id), [&](int n) { return db::sameText(nodes[size_t(n)].id, id); });
    }
    void index(const QString &id, int n) { byKey.insert(keyOf(id), n); }
    int add(const QString &id, int type)
    {
        const int n = int(nodes.size());
        Node node{id, type};
        node.added = true;
        nodes.push_back(std::move(node));
        index(id, n);
        return n;
    }
};

quint64 pairKey(int a, int b) { return (quint64(quint32(a)) << 32) | quint32(b); }

// The nodes of every cycle-capable group: strongly connected components of more than one
// node, over edges child -> parent. Iterative, so a chain of any depth is no danger.
std::vector<int> componentsOf(int nodeCount, const std::vector<std::vector<int>> &parents)
{
    std::vector<int> index(size_t(nodeCount), -1), low(size_t(nodeCount), 0), component(size_t(nodeCount), -1);
    std::vector<char> onStack(size_t(nodeCount), 0);
    std::vector<int> stack;
    std::vector<std::pair<int, size_t>> calls;
    int next = 0, components = 0;
    for (int start = 0; start < nodeCount; ++start) {
        if (index[size_t(start)] >= 0)
            continue;
        calls.push_back({start, 0});
        while (!calls.empty()) {
            auto &[v, edge] = calls.back();
            if (edge == 0 && index[size_t(v)] < 0) {
                index[size_t(v)] = low[size_t(v)] = next++;
                stack.push_back(v);
                onStack[size_t(v)] = 1;
            }
            const auto &out = parents[size_t(v)];
            if (edge < out.size()) {
                const int w = out[edge++];
                if (index[size_t(w)] < 0) {
                    calls.push_back({w, 0});
                } else if (onStack[size_t(w)]) {
                    low[size_t(v)] = std::min(low[size_t(v)], index[size_t(w)]);
                }
                continue;
            }
            if (low[size_t(v)] == index[size_t(v)]) {
                int w;
                do {
                    w = stack.back();
                    stack.pop_back();
                    onStack[size_t(w)] = 0;
                    component[size_t(w)] = components;
                } while (w != v);
                ++components;
            }
            const int done = v;
            calls.pop_back();
            if (!calls.empty()) {
                const int caller = calls.back().first;
                low[size_t(caller)] = std::min(low[size_t(caller)], low[size_t(done)]);
            }
        }
    }
    return component;
}

struct Cancelled {};

QString refusal(qint64 n, const QString &reason)
{
    return QStringLiteral("- Error on line #: ") + lineRef(n) + QStringLiteral(" -> ") + reason + crlf;
}

QString warning(qint64 n, const QString &reason)
{
    return QStringLiteral("- Warning on line #: ") + lineRef(n) + QStringLiteral(" -> ") + reason + crlf;
}

QString tooLongReason() { return QStringLiteral("the line is longer than %1 bytes").arg(OxpMaxLineBytes); }

// A fingerprint of a definition's text: comparing it tells, without holding a million
// definitions, whether a line brings a definition the concept has already.
quint64 textKey(QStringView text)
{
    quint64 h = 0xcbf29ce484222325ULL;
    for (QChar c : text)
        h = (h ^ c.unicode()) * 0x100000001b3ULL;
    return h;
}

class Importer {
public:
    Importer(const OxpCheckResult &checked, const OxpImportOptions &options, OxpLog &log, const OxpProgress &progress,
             bool dryRun)
        : m_checked(checked), m_options(options), m_log(log), m_progress(progress), m_dryRun(dryRun)
    {
    }

    OxpImportResult run();

    // The messages, each run in the order of the file's lines; at equal line numbers the
    // earlier run is read first.
    std::vector<OxpMessageRun *> runs()
    {
        return {&m_unread, &m_conceptLines, &m_conceptLinks, &m_unplaced, &m_definitions, &m_domains};
    }

private:
    struct NewLink {
        int child, parent;
        qint64 line;
        bool refused = false;
    };

    void loadConcepts();
    void conceptPhase();
    void definitionPhase();
    void domainPhase();
    void refuseCycles(const std::vector<std::vector<int>> &stored);
    // The concepts this import adds are written once their definitions are known: those
    // with a DEFINITION line when it is met, the others, and the links, after that phase.
    void writeConcept(Concepts::Node &target, const QVariant &definition, qint64 line);
    void writeAddedConceptsAndLinks();
    void warnUnplaced();
    // An import writes its messages, all phases' in one order of the file's lines, when
    // it ends; a dry run leaves them to Check File, which merges them with its own.
    void flush()
    {
        if (!m_dryRun)
            OxpMessageRun::merge(runs(), m_log);
    }

    // Reads every line of the file; take sees the well-formed lines of one kind.
    template <class Take>
    void pass(const QString &panel, OxpSlotKind kind, Take take);
    void beginProgress(const QString &panel, qint64 total);
    void step(qint64 done, qint64 total);

    [[noreturn]] void fail(qint64 n, const QString &description)
    {
        const QString text = n > 0 ? QStringLiteral("Import failed on line #: %1: %2. Nothing was imported.")
                                         .arg(lineRef(n), description)
                                   : description + QStringLiteral(" Nothing was imported.");
        // What the lines before it brought is read before the reason the import stopped.
        flush();
        m_log.text(text + crlf);
        throw db::DbError(db::err::Engine, text);
    }
    template <class Body>
    void writeRow(qint64 n, Body body)
    {
        if (m_dryRun)
            return;
        try {
            body();
        } catch (const db::DbError &e) {
            fail(n, e.description());
        }
    }

    const OxpCheckResult &m_checked;
    const OxpImportOptions &m_options;
    OxpLog &m_log;
    const OxpProgress &m_progress;
    bool m_dryRun;
    Concepts m_concepts;
    OxpImportResult m_result;
    bool m_unreadReported = false;
    std::vector<NewLink> m_newLinks;
    std::unique_ptr<db::Statement> m_addConcept;
    // m_unread: the lines Check File could not read, which the import's first pass reports.
    OxpMessageRun m_unread, m_conceptLines, m_conceptLinks, m_unplaced, m_definitions, m_domains;
};

void Importer::beginProgress(const QString &panel, qint64 total)
{
    // Check File's passes over the phases are part of its parse, and say so.
    if (m_progress.begin)
        m_progress.begin(m_dryRun ? shallowParsing : panel, total);
}

void Importer::step(qint64 done, qint64 total)
{
    if (m_progress.step && done % stepEvery == 0)
        m_progress.step(std::min(done, total));
}

template <class Take>
void Importer::pass(const QString &panel, OxpSlotKind kind, Take take)
{
    beginProgress(panel, m_checked.lines);
    const ProgressEnd end{m_progress};
    // Check File's own pass reported them already.
    const bool reportUnread = !m_dryRun && !std::exchange(m_unreadReported, true);
    OxpFileReader reader(m_checked.path);
    while (reader.next()) {
        const qint64 n = reader.lineNumber();
        step(n, m_checked.lines);
        if (n > m_checked.kinds.size())
            continue;  // the file grew since the check: its fingerprint refuses it below
        const char checkedKind = m_checked.kinds[n - 1];
        if (checkedKind == OxpCheckResult::unreadKind) {
            if (reportUnread)
                m_unread.add(n, refusal(n, reader.tooLong() ? tooLongReason() : ParseOxpLine(reader.text()).problem));
            continue;
        }
        if (OxpSlotKind(checkedKind) != kind)
            continue;
        const OxpLine line = ParseOxpLine(reader.text());
        // A line the check read well and that reads badly now is in a file that changed
        // since: its fingerprint refuses it below.
        if (line.problem.isEmpty())
            take(n, line);
    }
    if (reader.fingerprint() != m_checked.fingerprint)
        fail(0, QStringLiteral("The file %1 has changed since it was checked. Click 'Check File' again.")
                    .arg(m_checked.path));
}

void Importer::loadConcepts()
{
    const qsizetype stored = OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM CONCEPTS")).toLongLong();
    m_concepts.byKey.reserve(stored + m_checked.count(OxpSlotKind::Concept));
    m_concepts.nodes.reserve(size_t(stored + m_checked.count(OxpSlotKind::Concept)));
    db::Statement st(OntologyDB, QStringLiteral("SELECT Concept, Type, Definition FROM CONCEPTS"));
    while (st.step()) {
        const QString id = st.column(0).toString();
        m_concepts.index(id, int(m_concepts.nodes.size()));
        Concepts::Node node{id, st.column(1).toInt()};
        node.written = true;
        const QVariant definition = st.column(2);
        if (!definition.isNull()) {
            const QString text = definition.toString();
            node.hasText = true;
            node.textKey = textKey(text);
            node.defined = text != QLatin1String("Undefined");
        }
        m_concepts.nodes.push_back(std::move(node));
    }
}

void Importer::conceptPhase()
{
    if (OntologyDB.scalar(QStringLiteral("SELECT 1 FROM Subsets WHERE Subset_ID = ?"), {importSubset}).isNull()) {
        const QString text = QStringLiteral("The ontology has no subset %1, which imported concepts are put in.")
                                 .arg(importSubset);
        if (m_dryRun) {
            m_conceptLines.add(0, QStringLiteral("- ") + text + crlf);
            return;
        }
        fail(0, text);
    }
    m_result.ranConcepts = true;
    FlatIndex links;  // (child, parent) pairs
    std::vector<std::vector<int>> stored(m_concepts.nodes.size());
    {
        db::Statement st(OntologyDB, QStringLiteral("SELECT Concept, ISA FROM ISA"));
        while (st.step()) {
            const int child = m_concepts.find(st.column(0).toString());
            const int parent = m_concepts.find(st.column(1).toString());
            if (child < 0 || parent < 0)
                continue;
            links.insert(pairKey(child, parent), 0);
            stored[size_t(child)].push_back(parent);
        }
    }
    const auto node = [&](int i) -> Concepts::Node & { return m_concepts.nodes[size_t(i)]; };
    const auto addConcept = [&](const QString &id, int type, qint64 n) {
        const int added = m_concepts.add(id, type);
        node(added).line = n;
        return added;
    };

    pass(QStringLiteral("Importing CONCEPT slots..."), OxpSlotKind::Concept, [&](qint64 n, const OxpLine &line) {
        int child = m_concepts.find(line.conceptId);
        if (child >= 0 && node(child).type == rootType) {
            m_conceptLines.add(n, refusal(n, QStringLiteral("%1 is the root and can have no parent").arg(node(child).id)));
            return;
        }
        if (child < 0) {
            child = addConcept(line.conceptId, line.type, n);
        } else if (node(child).typeGuessed) {
            node(child).type = line.type;
            node(child).typeGuessed = false;
        }
        int parent = m_concepts.find(line.value);
        if (parent < 0) {
            parent = addConcept(line.value, line.type, n);
            node(parent).typeGuessed = true;
        }
        if (links.contains(pairKey(child, parent)))
            return;
        links.insert(pairKey(child, parent), 0);
        m_newLinks.push_back({child, parent, n});
    });

    // The links are judged once all of them are known; their messages, in the file's
    // order, are merged with those of the lines.
    refuseCycles(stored);
    for (const NewLink &l : m_newLinks) {
        if (l.refused) {
            m_conceptLinks.add(l.line, refusal(l.line, QStringLiteral("linking %1 to %2 would make a cycle of IS-A links")
                                                           .arg(node(l.child).id, node(l.parent).id)));
            continue;
        }
        ++m_result.linksAdded;
        node(l.child).hasParent = true;
        const int childType = node(l.child).type, parentType = node(l.parent).type;
        if (childType != parentType && parentType != rootType)
            m_conceptLinks.add(l.line, warning(l.line, QStringLiteral("%1 (Type %2) is linked to %3 (Type %4)")
                                                           .arg(node(l.child).id)
                                                           .arg(childType)
                                                           .arg(node(l.parent).id)
                                                           .arg(parentType)));
    }
    warnUnplaced();

    for (const Concepts::Node &n : m_concepts.nodes)
        if (n.added)
            m_result.addedConcepts << n.id;
    m_result.conceptsAdded = m_result.addedConcepts.size();
}

void Importer::warnUnplaced()
{
    // The trees show what lies below the root: a concept added without a parent (named
    // only as a parent, or whose own links were refused) is in none of them. Added
    // concepts stand in the order they were first named, which is the file's.
    for (const Concepts::Node &n : m_concepts.nodes)
        if (n.added && !n.hasParent)
            m_unplaced.add(n.line,
                           warning(n.line, QStringLiteral("%1 is added without a parent: no tree shows it").arg(n.id)));
}

void Importer::writeConcept(Concepts::Node &target, const QVariant &definition, qint64 line)
{
    if (!m_addConcept)
        m_addConcept = std::make_unique<db::Statement>(
            OntologyDB, QStringLiteral("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES (?, ?, ?, ?)"));
    writeRow(line, [&] {
        m_addConcept->bind(1, target.id).bind(2, definition).bind(3, target.type).bind(4, importSubset).run();
    });
    target.written = true;
}

void Importer::writeAddedConceptsAndLinks()
{
    if (m_dryRun)
        return;
    auto &nodes = m_concepts.nodes;
    qint64 unwritten = 0;
    for (const Concepts::Node &n : nodes)
        unwritten += n.written ? 0 : 1;
    const qint64 total = unwritten + qint64(m_newLinks.size());
    if (total == 0)
        return;
    // Writing a million rows takes seconds: the bar goes on moving through it.
    beginProgress(QStringLiteral("Importing CONCEPT slots..."), total);
    const ProgressEnd end{m_progress};
    qint64 done = 0;
    for (Concepts::Node &n : nodes)
        if (!n.written) {
            writeConcept(n, QVariant(), n.line);
            step(++done, total);
        }
    db::Statement addLink(OntologyDB, QStringLiteral("INSERT INTO ISA (Concept, ISA) VALUES (?, ?)"));
    for (const NewLink &l : m_newLinks) {
        if (!l.refused)
            writeRow(l.line, [&] { addLink.bind(1, nodes[size_t(l.child)].id).bind(2, nodes[size_t(l.parent)].id).run(); });
        step(++done, total);
    }
    m_newLinks.clear();
}

void Importer::refuseCycles(const std::vector<std::vector<int>> &stored)
{
    std::vector<NewLink> &links = m_newLinks;
    const int count = int(m_concepts.nodes.size());
    std::vector<std::vector<int>> all = stored;
    all.resize(size_t(count));
    for (const NewLink &l : links)
        all[size_t(l.child)].push_back(l.parent);
    const std::vector<int> group = componentsOf(count, all);
    std::vector<int> groupSize(size_t(count), 0);
    for (int g : group)
        ++groupSize[size_t(g)];
    const auto cyclic = [&](int a, int b) { return group[size_t(a)] == group[size_t(b)] && groupSize[size_t(group[size_t(a)])] > 1; };

    // Only a link inside a group of concepts that reach each other can close a cycle.
    // Inside such a group the links are taken in the file's order, each refused when its
    // parent already lies below its child.
    std::vector<std::vector<int>> accepted(static_cast<size_t>(count));
    for (int v = 0; v < int(stored.size()); ++v)
        for (int p : stored[size_t(v)])
            if (cyclic(v, p))
                accepted[size_t(v)].push_back(p);
    std::vector<int> seen(size_t(count), -1);
    std::vector<int> todo;
    int walk = 0;
    const auto reaches = [&](int from, int to) {
        ++walk;
        todo.assign(1, from);
        seen[size_t(from)] = walk;
        while (!todo.empty()) {
            const int v = todo.back();
            todo.pop_back();
            if (v == to)
                return true;
            for (int p : accepted[size_t(v)])
                if (seen[size_t(p)] != walk) {
                    seen[size_t(p)] = walk;
                    todo.push_back(p);
                }
        }
        return false;
    };
    for (NewLink &l : links) {
        if (!cyclic(l.child, l.parent))
            continue;
        if (reaches(l.parent, l.child))
            l.refused = true;
        else
            accepted[size_t(l.child)].push_back(l.parent);
    }
}

void Importer::definitionPhase()
{
    m_result.ranDefinitions = true;
    db::Statement setDefinition(OntologyDB, QStringLiteral("UPDATE CONCEPTS SET Definition = ? WHERE Concept = ?"));
    pass(QStringLiteral("Importing DEFINITION slots..."), OxpSlotKind::Definition, [&](qint64 n, const OxpLine &line) {
        const int at = m_concepts.find(line.conceptId);
        if (at < 0) {
            m_definitions.add(n, refusal(n, QStringLiteral("the concept %1 is not in the ontology").arg(line.conceptId)));
            return;
        }
        Concepts::Node &target = m_concepts.nodes[size_t(at)];
        // "Undefined" in the file is no definition: it never takes the place of one.
        if (line.nullDefinition)
            return;
        const quint64 key = textKey(line.value);
        if (target.hasText && target.textKey == key)
            return;  // the concept has this definition already
        if (target.defined && !m_dryRun) {
            if (m_options.overwrite == OxpOverwrite::No)
                return;
            if (m_options.overwrite == OxpOverwrite::Ask) {
                const ui::Answer answer =
                    m_options.askOverwrite ? m_options.askOverwrite(target.id) : ui::Answer::Yes;
                if (answer == ui::Answer::Cancel)
                    throw Cancelled();
                if (answer != ui::Answer::Yes)
                    return;
            }
        }
        if (target.written)
            writeRow(n, [&] { setDefinition.bindAll({line.value, target.id}).run(); });
        else
            writeConcept(target, line.value, n);
        target.defined = target.hasText = true;
        target.textKey = key;
        ++m_result.definitionsSet;
    });
}

void Importer::domainPhase()
{
    m_result.ranDomains = true;
    FlatIndex domains;  // (concept, domain) pairs
    {
        db::Statement st(OntologyDB, QStringLiteral("SELECT Concept1, Concept2 FROM RELATIONS WHERE Rel = ?"));
        st.bind(1, DomainSlot);
        while (st.step())
            domains.insert(pairKey(m_concepts.find(st.column(0).toString()), m_concepts.find(st.column(1).toString())), 0);
    }
    db::Statement addDomain(OntologyDB, QStringLiteral("INSERT INTO RELATIONS (Concept1, Rel, \"Default\", Concept2) "
                                                       "VALUES (?, ?, ?, ?)"));
    pass(QStringLiteral("Importing DOMAIN slots..."), OxpSlotKind::Domain, [&](qint64 n, const OxpLine &line) {
        const int owner = m_concepts.find(line.conceptId);
        const int domain = m_concepts.find(line.value);
        if (owner < 0 || domain < 0) {
            m_domains.add(n, refusal(n, QStringLiteral("the concept %1 or the domain %2 is not in the ontology")
                                            .arg(line.conceptId, line.value)));
            return;
        }
        if (domains.contains(pairKey(owner, domain))) {
            // Its default flag stays as it is in the ontology.
            if (!m_dryRun)
                m_domains.add(n, warning(n, QStringLiteral("the domain %1 exists for the concept %2: not added again")
                                                .arg(line.value, line.conceptId)));
            return;
        }
        domains.insert(pairKey(owner, domain), 0);
        writeRow(n, [&] {
            addDomain.bindAll({m_concepts.nodes[size_t(owner)].id, DomainSlot, line.isDefault,
                               m_concepts.nodes[size_t(domain)].id})
                .run();
        });
        ++m_result.domainsAdded;
    });
}

OxpImportResult Importer::run()
{
    const BulkCache cache;
    // One transaction: the phases write into it and nothing stays unless all of them end.
    db::Transaction tx(OntologyDB);
    loadConcepts();
    try {
        if (m_options.concepts && m_checked.count(OxpSlotKind::Concept) > 0)
            conceptPhase();
        if (m_options.definitions && m_checked.count(OxpSlotKind::Definition) > 0)
            definitionPhase();
        writeAddedConceptsAndLinks();
        if (m_options.relations && m_checked.count(OxpSlotKind::Domain) > 0)
            domainPhase();
    } catch (const Cancelled &) {
        OxpImportResult cancelled;
        cancelled.cancelled = true;
        return cancelled;
    }
    flush();
    if (!m_dryRun)
        tx.commit();
    return m_result;
}

}  // namespace

OxpCheckResult CheckOxpFile(const QString &path, const OxpImportOptions &options, OxpLog &log,
                            const OxpProgress &progress)
{
    OxpCheckResult check;
    check.path = path;
    const OxpFileFacts facts = ScanOxpFile(path);
    check.lines = facts.lines;
    check.fingerprint = facts.fingerprint;
    check.kinds.reserve(check.lines);
    OxpMessageRun lines;
    {
        if (progress.begin)
            progress.begin(shallowParsing, check.lines);
        const ProgressEnd end{progress};
        OxpFileReader reader(path);
        qint64 read = 0;
        while (reader.next()) {
            const qint64 n = read = reader.lineNumber();
            if (progress.step && n % stepEvery == 0)
                progress.step(std::min(n, check.lines));
            if (reader.tooLong()) {
                check.kinds.append(OxpCheckResult::unreadKind);
                lines.add(n, refusal(n, tooLongReason()));
                continue;
            }
            // Only lines with fields, and lines short enough for their characters to count,
            // need decoding: the others are told apart by their bytes.
            const QByteArrayView bytes = reader.bytes();
            OxpLine line;
            line.kind = OxpSlotTypeOfBytes(bytes);
            constexpr qsizetype surelyLongEnough = 4 * 7;
            if (line.kind == OxpSlotKind::Concept || line.kind == OxpSlotKind::Definition ||
                line.kind == OxpSlotKind::Domain || bytes.size() < surelyLongEnough)
                line = ParseOxpLine(reader.text());
            else
                line.wellFormed = bytes.startsWith('(') && bytes.endsWith(')');
            if (!line.wellFormed) {
                check.kinds.append(OxpCheckResult::unreadKind);
                // Rare enough to decode for the reason.
                lines.add(n, refusal(n, ParseOxpLine(reader.text()).problem));
                continue;
            }
            ++check.counts[size_t(line.kind)];
            check.kinds.append(line.problem.isEmpty() ? char(line.kind) : OxpCheckResult::unreadKind);
            if (!line.problem.isEmpty())
                lines.add(n, refusal(n, line.problem));
        }
        check.lines = read;
        if (reader.fingerprint() != check.fingerprint)
            throw db::DbError(db::err::Engine, QStringLiteral("The file %1 changed while it was read.").arg(path));
    }
    // What the import would refuse or warn about over the ontology as it stands.
    OxpImportOptions dry = options;
    dry.askOverwrite = {};
    Importer importer(check, dry, log, progress, true);
    const OxpImportResult would = importer.run();
    check.changes = would.conceptsAdded + would.linksAdded + would.definitionsSet + would.domainsAdded;
    std::vector<OxpMessageRun *> runs{&lines};
    for (OxpMessageRun *run : importer.runs())
        runs.push_back(run);
    OxpMessageRun::merge(runs, log);
    return check;
}

OxpImportResult ImportOxpFile(const OxpCheckResult &checked, const OxpImportOptions &options, OxpLog &log,
                              const OxpProgress &progress)
{
    return Importer(checked, options, log, progress, false).run();
}
