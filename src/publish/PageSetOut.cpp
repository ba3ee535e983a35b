#include "PageSetOut.h"

#include <vector>

namespace {

// A tag of the page: where it starts and ends (one past its '>'), its name and whether it
// closes. A long page has hundreds of thousands of tags: the name is looked at in place.
struct Tag {
    qsizetype start = 0, end = 0;
    QStringView name;
    bool closing = false;
    bool is(const char *n) const { return name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0; }
};

// The next tag at or after `from`; a tag whose '>' is missing runs to the end.
bool nextTag(const QString &html, qsizetype from, Tag &tag)
{
    const qsizetype start = html.indexOf(QLatin1Char('<'), from);
    if (start < 0)
        return false;
    qsizetype end = html.indexOf(QLatin1Char('>'), start);
    end = end < 0 ? html.size() : end + 1;
    qsizetype i = start + 1;
    tag.closing = i < end && html.at(i) == QLatin1Char('/');
    if (tag.closing)
        ++i;
    qsizetype nameEnd = i;
    while (nameEnd < end && html.at(nameEnd).isLetterOrNumber())
        ++nameEnd;
    tag.start = start;
    tag.end = end;
    tag.name = QStringView(html).mid(i, nameEnd - i);
    return true;
}

struct LongCell {
    qsizetype start, end;  // the cell's content
    QString label;         // the content of the first cell of its row, if it is not that cell
    QStringList lines;     // each a block of its own
};

// The lines of a cell's content, parted at its line breaks, each a block of its own;
// blank lines are left out.
QStringList cellLines(const QString &html, qsizetype start, qsizetype end, qsizetype &breaks)
{
    QStringList lines;
    breaks = 0;
    qsizetype lineStart = start;
    Tag tag;
    const auto addLine = [&](qsizetype lineEnd) {
        const QStringView line = QStringView(html).mid(lineStart, lineEnd - lineStart).trimmed();
        if (line.isEmpty())
            return;
        QString block;
        block.reserve(line.size() + 11);
        block += QLatin1String("<div>");
        block += line;
        block += QLatin1String("</div>");
        lines << block;
    };
    for (qsizetype at = start; nextTag(html, at, tag) && tag.start < end; at = tag.end) {
        if (!tag.is("br"))
            continue;
        ++breaks;
        addLine(tag.start);
        lineStart = tag.end;
    }
    addLine(end);
    return lines;
}

QString whereTheLinesWent(qsizetype count)
{
    return QStringLiteral("<small>(%1 lines, set out below the table)</small>").arg(count);
}

}  // namespace

QStringList SetOutLongLists(const QString &html)
{
    QStringList parts;
    QString shown;           // the page up to where it was cut, with the long cells replaced
    qsizetype copied = 0;    // how much of `html` is in `parts` or `shown`
    int depth = 0;           // of tables
    std::vector<LongCell> cells;  // in the outermost table now open
    qsizetype cellStart = -1;     // the content of the cell open now
    int cellOfRow = 0;            // which cell of its row it is, from 1
    QString rowLabel;
    const auto endCell = [&](qsizetype end) {
        if (cellStart < 0)
            return;
        const QStringView content = QStringView(html).mid(cellStart, end - cellStart);
        if (cellOfRow == 1) {
            rowLabel = content.trimmed().toString();
        } else if (content.count(QLatin1String("<br"), Qt::CaseInsensitive) >= LongListLines) {
            qsizetype breaks = 0;
            QStringList lines = cellLines(html, cellStart, end, breaks);
            if (breaks >= LongListLines)
                cells.push_back({cellStart, end, rowLabel, std::move(lines)});
        }
        cellStart = -1;
    };
    Tag tag;
    for (qsizetype at = 0; nextTag(html, at, tag); at = tag.end) {
        if (tag.is("table")) {
            if (!tag.closing) {
                ++depth;
                continue;
            }
            if (depth == 0)
                continue;
            if (--depth > 0 || cells.empty())
                continue;
            endCell(tag.start);
            for (const LongCell &c : cells) {
                shown += QStringView(html).mid(copied, c.start - copied);
                shown += whereTheLinesWent(c.lines.size());
                copied = c.end;
            }
            shown += QStringView(html).mid(copied, tag.end - copied);
            copied = tag.end;
            parts << shown;
            shown.clear();
            for (LongCell &c : cells) {
                if (!c.label.isEmpty())
                    parts << QStringLiteral("<p>") + c.label + QStringLiteral("</p>");
                parts += c.lines;
            }
            cells.clear();
        } else if (depth > 0 && (tag.is("td") || tag.is("th"))) {
            // The cells of nested tables are measured too; their lines go below the outermost one.
            endCell(tag.start);
            if (!tag.closing) {
                ++cellOfRow;
                cellStart = tag.end;
            }
        } else if (depth > 0 && tag.is("tr")) {
            endCell(tag.start);
            cellOfRow = 0;
            rowLabel.clear();
        }
    }
    parts << shown + html.mid(copied);
    return parts;
}
