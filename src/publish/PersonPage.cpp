#include "PersonPage.h"

#include "PageFileNames.h"
#include "PageText.h"
#include "db/Error.h"
#include "ontology/FileBeside.h"
#include "termbase/Global.h"
#include "ontology/FolderName.h"
#include "termbase/AttachedFiles.h"
#include "termbase/ElementStore.h"
#include "termbase/TermbasePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

QString PersonPageFileName(const QString &alias) { return QStringLiteral("per-") + PageFileName(alias); }

bool IsPersonPageFileName(const QString &fileName)
{
    return fileName.startsWith(QLatin1String("per-"), Qt::CaseInsensitive) &&
           fileName.endsWith(QLatin1String(".html"), Qt::CaseInsensitive);
}

QByteArray PersonPageText(const PersonFields &p)
{
    const QString crlf = QStringLiteral("\r\n");
    QString page = QStringLiteral("<HTML>") + crlf + QStringLiteral("<HEAD>") + CharsetDeclaration +
                   QStringLiteral("<TITLE>") + htmlEscape(p.alias) + QStringLiteral("</TITLE></HEAD>") + crlf +
                   QStringLiteral("<BODY>") + crlf;
    page += QStringLiteral("<strong>Alias:</strong> ") + htmlEscape(p.alias) + crlf + crlf + QStringLiteral("<br>") + crlf;
    const std::pair<const char *, const QString *> fields[] = {{"Role: ", &p.role},
                                                               {"Name: ", &p.name},
                                                               {"E-mail: ", &p.email},
                                                               {"Phone: ", &p.phone},
                                                               {"Remarks: ", &p.remarks}};
    for (const auto &[label, text] : fields)
        if (!text->isEmpty())
            page += QStringLiteral("<strong>") + QString::fromLatin1(label) + QStringLiteral("</strong>") +
                    htmlEscape(*text) + crlf + crlf + QStringLiteral("<br>") + crlf;
    page += QStringLiteral("</BODY>") + crlf + QStringLiteral("</HTML>") + crlf;
    return page.toUtf8();
}

namespace {

const QString PersonCategory = QStringLiteral("x10.2.2");

// The page file of the alias, made new beside its place with the page's text.
std::unique_ptr<FileBeside> pageBeside(const PersonFields &p, const QString &backFolder)
{
    try {
        QDir().mkpath(backFolder);
        auto page = std::make_unique<FileBeside>(QDir(backFolder).filePath(PersonPageFileName(p.alias)));
        page->write(PersonPageText(p));
        page->close();
        return page;
    } catch (const db::DbError &e) {
        throw db::DbError(db::err::PathFileAccess, QStringLiteral("The person page could not be written: ") + e.description());
    }
}

// The description of a failure to put the page in place; empty when it took its place.
QString placed(FileBeside &page)
{
    try {
        page.place();
        return {};
    } catch (const db::DbError &e) {
        return e.description();
    }
}

// The person other than exceptID whose page has the file name, as a disk that ignores
// letter case takes it.
std::optional<BackMatterRecord> personWithPageFile(const QString &fileName, qint64 exceptID)
{
    for (const BackMatterRecord &r : ListBackMatterRecords(PersonCategory))
        if (r.elemID != exceptID && PersonPageFileName(r.text).compare(fileName, Qt::CaseInsensitive) == 0)
            return r;
    return std::nullopt;
}

}  // namespace

PersonStored StorePersonWithPage(qint64 containerID, const PersonFields &p, const QString &backFolder, qint64 &lastElemID)
{
    const std::unique_ptr<FileBeside> page = pageBeside(p, backFolder);
    qint64 last = lastElemID;
    db::Transaction tx(TermbaseDB);
    const qint64 record = StoreBackMatterRecord(containerID, PersonCategory, p.alias,
                                                {{QStringLiteral("x10.2.2.2"), p.name},
                                                 {QStringLiteral("x10.2.2.3"), p.role},
                                                 {QStringLiteral("x10.2.2.4"), p.email},
                                                 {QStringLiteral("x10.2.2.5"), p.phone},
                                                 {QStringLiteral("x10.2.2.6"), p.remarks}},
                                                last);
    tx.commit();
    lastElemID = last;
    return {record, placed(*page)};
}

PersonFields ReadPersonFields(qint64 recordID)
{
    PersonFields p;
    p.alias = TermbaseDB.scalar(QStringLiteral("SELECT value FROM text_values WHERE elemID = ?"), {recordID}).toString();
    const std::pair<const char *, QString *> fields[] = {{"x10.2.2.2", &p.name},
                                                         {"x10.2.2.3", &p.role},
                                                         {"x10.2.2.4", &p.email},
                                                         {"x10.2.2.5", &p.phone},
                                                         {"x10.2.2.6", &p.remarks}};
    db::Statement st(TermbaseDB, QStringLiteral("SELECT e.categoryID, t.value FROM elements e JOIN text_values t "
                                                "ON t.elemID = e.elemID WHERE e.parentID = ? ORDER BY e.elemID"));
    st.bind(1, recordID);
    while (st.step())
        for (const auto &[category, text] : fields)
            if (st.column(0).toString() == QLatin1String(category) && text->isEmpty())
                *text = st.column(1).toString();
    return p;
}

std::optional<BackMatterRecord> PersonWithPageOf(const QString &alias, qint64 exceptID)
{
    return personWithPageFile(PersonPageFileName(alias), exceptID);
}

PersonRenamed RenamePersonWithPage(qint64 recordID, const QString &alias, const QString &backFolder)
{
    PersonFields p = ReadPersonFields(recordID);
    const QString oldName = PersonPageFileName(p.alias);
    p.alias = alias;
    const std::unique_ptr<FileBeside> page = pageBeside(p, backFolder);
    if (!RenameTextValue(recordID, alias))
        return {};
    // The old page goes first: on a disk that ignores letter case it is the new one's file
    // when the aliases differ only so. A person left without a page by a stop in between
    // has it written again when the termbase is opened.
    if (oldName != PersonPageFileName(alias) && !personWithPageFile(oldName, recordID))
        QFile::remove(QDir(backFolder).filePath(oldName));
    return {true, placed(*page)};
}

void WriteMissingPersonPages(const QString &backFolder)
{
    for (const BackMatterRecord &r : ListBackMatterRecords(PersonCategory)) {
        // A link planted at the page's name is no page: it is replaced.
        const QFileInfo page(QDir(backFolder).filePath(PersonPageFileName(r.text)));
        if (page.isFile() && !page.isSymLink())
            continue;
        const std::unique_ptr<FileBeside> written = pageBeside(ReadPersonFields(r.elemID), backFolder);
        written->place();
    }
}

void RemoveFilesOfDeleted(const ElementDeleted &deleted)
{
    if (!IsValidFolderName(TermbaseInfo.Name))
        return;
    const QDir back(TermbaseBackFolder()), publish(TermbasePublishFolder());
    for (const QString &name : deleted.fileNames)
        if (!FileRecordNamed(name)) {
            QFile::remove(back.filePath(name));
            QFile::remove(publish.filePath(name));
        }
    for (const QString &alias : deleted.personAliases)
        if (!PersonWithPageOf(alias))
            QFile::remove(back.filePath(PersonPageFileName(alias)));
}
