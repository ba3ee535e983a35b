#include "PersonPage.h"

#include "PageFileNames.h"
#include "PageText.h"
#include "db/Error.h"
#include "termbase/Global.h"

#include <QDir>
#include <QSaveFile>

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

PersonStored StorePersonWithPage(qint64 containerID, const PersonFields &p, const QString &backFolder, qint64 &lastElemID)
{
    QDir().mkpath(backFolder);
    QSaveFile page(QDir(backFolder).filePath(PersonPageFileName(p.alias)));
    if (!page.open(QIODevice::WriteOnly) || page.write(PersonPageText(p)) < 0)
        throw db::DbError(db::err::PathFileAccess, QStringLiteral("The person page could not be written: ") + page.errorString());
    qint64 last = lastElemID;
    db::Transaction tx(TermbaseDB);
    const qint64 record = StoreBackMatterRecord(containerID, QStringLiteral("x10.2.2"), p.alias,
                                                {{QStringLiteral("x10.2.2.2"), p.name},
                                                 {QStringLiteral("x10.2.2.3"), p.role},
                                                 {QStringLiteral("x10.2.2.4"), p.email},
                                                 {QStringLiteral("x10.2.2.5"), p.phone},
                                                 {QStringLiteral("x10.2.2.6"), p.remarks}},
                                                last);
    tx.commit();
    lastElemID = last;
    if (!page.commit())
        return {record, page.errorString()};
    return {record, {}};
}
