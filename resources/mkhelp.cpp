// Builds DCHelp.html, the help on data categories, from res.dat's catalogue and our own
// explanations: names, value types, picklists and places come from the catalogue, so the
// page cannot drift from what the termbase editor offers.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string escaped(const std::string &text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string column(sqlite3_stmt *st, int i)
{
    const unsigned char *text = sqlite3_column_text(st, i);
    return text ? reinterpret_cast<const char *>(text) : std::string();
}

struct Category {
    std::string id, gi, valueType, english, spanish;
    bool needsLang = false, formsLink = false;
    std::vector<std::string> parents, picklist;
};

bool startsWith(const std::string &s, const char *prefix) { return s.rfind(prefix, 0) == 0; }

// The categories the help window lists: everything but the structure ("0" ...) and the
// back matter's own records ("x" ...).
bool listed(const std::string &id)
{
    return !startsWith(id, "x") && !startsWith(id, "0") && id != "DC" && id != "all";
}

std::string valueText(const Category &c)
{
    if (c.gi == "term")
        return "The term's own text, in the language of its section.";
    if (c.gi == "ptr")
        return "A cross-reference: in the value editor you pick the element it points at in the element tree.";
    if (c.gi == "ref")
        return "A file attached to the termbase, picked from the attached files or added from disk.";
    if (c.formsLink && c.valueType == "none")
        return "A reference to a record of the back matter, picked from a list of those records.";
    std::string lang = c.needsLang ? " It carries a language of its own." : "";
    if (c.valueType == "text")
        return "Text." + lang;
    if (c.valueType == "number")
        return "A whole number other than 0." + lang;
    if (c.valueType == "date")
        return "A date, typed as dd/mm/yyyy." + lang;
    if (c.valueType == "picklist") {
        std::string values;
        for (const std::string &v : c.picklist)
            values += (values.empty() ? "" : ", ") + v;
        return "One value of this list: " + values + "." + lang;
    }
    return "None: it only groups the categories under it in the catalogue.";
}

std::string placeText(const Category &c, const std::map<std::string, std::string> &names)
{
    if (c.gi == "term")
        return "In a term entry, inside the language section of the term's language; the section is made "
               "when its first term is stored.";
    if (c.parents.empty())
        return "It is not added to entries itself; choose one of the categories under it.";
    std::string places;
    for (const std::string &p : c.parents) {
        std::string place;
        if (p == "all")
            place = "under any element";
        else if (p == "0.1")
            place = "in the termbase's header";
        else if (p == "0.3")
            place = "in a term entry";
        else if (p == "0.4")
            place = "in a language section";
        else if (p == "1")
            place = "under a term";
        else {
            auto it = names.find(p);
            place = "under an element of the category " + (it != names.end() ? it->second : p) + " (" + p + ")";
        }
        places += (places.empty() ? "" : "; ") + place;
    }
    places[0] = char(std::toupper(static_cast<unsigned char>(places[0])));
    return places + ".";
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: lx_mkhelp RES_DAT EXPLANATIONS TEMPLATE OUTPUT\n");
        return 2;
    }
    std::map<std::string, std::string> explanations;
    {
        std::ifstream in(argv[2]);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", argv[2]);
            return 1;
        }
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#')
                continue;
            const auto tab = line.find('\t');
            if (tab != std::string::npos)
                explanations[line.substr(0, tab)] = line.substr(tab + 1);
        }
    }
    std::string templ;
    {
        std::ifstream in(argv[3]);
        std::stringstream text;
        text << in.rdbuf();
        templ = text.str();
    }
    const std::string marker = "<!-- categories -->";
    const auto at = templ.find(marker);
    if (at == std::string::npos) {
        std::fprintf(stderr, "%s has no %s\n", argv[3], marker.c_str());
        return 1;
    }

    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    std::vector<Category> categories;
    std::map<std::string, std::string> englishNames;
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT d.categoryID, d.GI_name, d.value_type, d.needs_lang, d.forms_link,"
                       " (SELECT name FROM datcats_names WHERE categoryID = d.categoryID AND langID = 'en'),"
                       " (SELECT name FROM datcats_names WHERE categoryID = d.categoryID AND langID = 'es')"
                       " FROM datcats d ORDER BY d.rowid",
                       -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) {
        Category c;
        c.id = column(st, 0);
        c.gi = column(st, 1);
        c.valueType = column(st, 2);
        c.needsLang = sqlite3_column_int(st, 3) != 0;
        c.formsLink = sqlite3_column_int(st, 4) != 0;
        c.english = column(st, 5);
        c.spanish = column(st, 6);
        englishNames[c.id] = c.english;
        if (listed(c.id))
            categories.push_back(c);
    }
    sqlite3_finalize(st);
    for (Category &c : categories) {
        sqlite3_prepare_v2(db, "SELECT parentCategoryID FROM valid_families WHERE childCategoryID = ? ORDER BY rowid",
                           -1, &st, nullptr);
        sqlite3_bind_text(st, 1, c.id.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(st) == SQLITE_ROW)
            c.parents.push_back(column(st, 0));
        sqlite3_finalize(st);
        sqlite3_prepare_v2(db, "SELECT value FROM picklists WHERE categoryID = ? ORDER BY rowid", -1, &st, nullptr);
        sqlite3_bind_text(st, 1, c.id.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(st) == SQLITE_ROW)
            c.picklist.push_back(column(st, 0));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);

    std::string body;
    for (const Category &c : categories) {
        auto it = explanations.find(c.id);
        if (it == explanations.end()) {
            std::fprintf(stderr, "%s: no explanation for the data category %s\n", argv[2], c.id.c_str());
            return 1;
        }
        const std::string id = escaped(c.id);
        body += "<h2><a name=\"" + id + "\" id=\"" + id + "\"></a>" + escaped(c.english) + " (" + id + ")</h2>\n";
        body += "<p><i>Spanish: " + escaped(c.spanish) + "</i></p>\n";
        body += "<p>" + escaped(it->second) + "</p>\n";
        body += "<p><b>Value:</b> " + escaped(valueText(c)) + "</p>\n";
        body += "<p><b>Where:</b> " + escaped(placeText(c, englishNames)) + "</p>\n";
    }
    templ.replace(at, marker.size(), body);

    const std::string out = argv[4];
    const std::string tmp = out + ".tmp";
    {
        std::ofstream file(tmp, std::ios::binary | std::ios::trunc);
        file << templ;
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", tmp.c_str());
            return 1;
        }
    }
    if (std::rename(tmp.c_str(), out.c_str()) != 0) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
