#pragma once
// Reading and writing the export file as text lines.
//
// The writer puts UTF-8 without a byte-order mark, CR LF after every line, through a
// QSaveFile: the file appears whole when commit() succeeds, and a failure leaves whatever
// stood under that name before.
//
// The reader takes a line as ending at CR LF, at a lone CR or at a lone LF. Each line is
// read as UTF-8 when its bytes are valid UTF-8 and as Windows-1252 otherwise; a
// byte-order mark at the start is skipped. It holds one line at a time, never the file:
// a line longer than OxpMaxLineBytes is reported as too long and its bytes are passed
// over unread. Every byte read goes into a fingerprint, so a later reading can tell that
// the file is not the one checked before.

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QSaveFile>
#include <QString>

constexpr qsizetype OxpMaxLineBytes = 1 << 20;

class OxpFileReader {
public:
    // Opening a file that cannot be read throws db::DbError (PathFileAccess).
    explicit OxpFileReader(const QString &path);

    // False at the end of the file.
    bool next();
    qint64 lineNumber() const { return m_number; }
    // The line's bytes, as they stand in the file (empty for a line too long).
    QByteArrayView bytes() const { return m_view; }
    // The line decoded; decoded only when asked for.
    const QString &text();
    bool tooLong() const { return m_tooLong; }

    // Valid once next() has returned false.
    QByteArray fingerprint() const { return m_fingerprint; }

private:
    bool fill();

    QFile m_file;
    QCryptographicHash m_hash{QCryptographicHash::Sha1};
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_atEnd = false;
    bool m_started = false;
    qint64 m_number = 0;
    QString m_text;
    bool m_decoded = false;
    bool m_tooLong = false;
    QByteArray m_line;     // a line that runs over the end of a chunk
    QByteArrayView m_view; // the current line: in the chunk itself, or in m_line
    QByteArray m_fingerprint;
};

// The number of lines and the fingerprint, as the reader sees them, without decoding.
struct OxpFileFacts {
    qint64 lines = 0;
    QByteArray fingerprint;
};
OxpFileFacts ScanOxpFile(const QString &path);

class OxpFileWriter {
public:
    // A file that cannot be created throws db::DbError (PathFileAccess) naming it.
    explicit OxpFileWriter(const QString &path);
    void writeLine(const QString &line);
    // Makes the file appear under its name; throws when it cannot be written.
    void commit();

private:
    void flush();
    QSaveFile m_file;
    QByteArray m_pending;
};
