#pragma once
// What every page writer shares: escaping, the page skeleton, and writing a page file so
// that a failure leaves the old one whole.

#include <QString>

// Text from a database as HTML text or attribute value; its line breaks become CR LF, and
// every other control character but the tab (a NUL from an imported file, say) becomes
// U+FFFD, the mark of a character that cannot be shown: a page holds none of them.
QString htmlEscape(const QString &text);
// Whether htmlEscape would change the text.
bool needsHtmlEscape(const QString &text);
// The head's declaration that a page is UTF-8, as savePage writes it.
extern const QString CharsetDeclaration;
// A file name (an attached file, a picture) as an href or src attribute value.
QString fileHref(const QString &fileName);

// A page being built: each write is one piece followed by CR LF.
class PageBuffer {
public:
    void write(const QString &piece)
    {
        m_text += piece;
        m_text += QLatin1String("\r\n");
    }
    // The skeleton's head and title writes, for a title taken from a database.
    void writeHead(const QString &title);
    // The skeleton's closing write.
    void writeEnd() { write(QStringLiteral("</BODY>\r\n</HTML>")); }
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

// Writes the page as UTF-8; an existing page is written beside the file and renamed over
// it. Throws db::DbError (75, the path) when the folder is missing or the file cannot be
// written; the old file is then untouched.
void savePage(const QString &path, const QString &text);
// Folder and page file name joined.
QString pagePath(const QString &folder, const QString &fileName);
