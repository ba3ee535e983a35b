#include "OxpFile.h"

#include "db/Error.h"
#include "db/Text.h"

#include <QByteArrayView>
#include <cstring>

namespace {

constexpr qsizetype chunkBytes = 1 << 20;
const QByteArray byteOrderMark("\xEF\xBB\xBF");

[[noreturn]] void cannot(const QString &what, const QFileDevice &file)
{
    throw db::DbError(db::err::PathFileAccess, QStringLiteral("%1 %2: %3").arg(what, file.fileName(), file.errorString()));
}

QString decodeLine(QByteArrayView bytes)
{
    return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : db::fromWindows1252(bytes);
}

}  // namespace

OxpFileReader::OxpFileReader(const QString &path) : m_file(path)
{
    if (!m_file.open(QIODevice::ReadOnly))
        cannot(QStringLiteral("Cannot read the file"), m_file);
}

bool OxpFileReader::fill()
{
    if (m_atEnd)
        return false;
    m_buffer = m_file.read(chunkBytes);
    m_pos = 0;
    if (m_buffer.isEmpty()) {
        if (m_file.error() != QFileDevice::NoError)
            cannot(QStringLiteral("Cannot read the file"), m_file);
        m_atEnd = true;
        m_fingerprint = m_hash.result();
        return false;
    }
    m_hash.addData(m_buffer);
    if (!m_started) {
        m_started = true;
        if (m_buffer.startsWith(byteOrderMark))
            m_pos = byteOrderMark.size();
    }
    return true;
}

bool OxpFileReader::next()
{
    m_line.truncate(0);
    m_view = {};
    m_decoded = false;
    m_tooLong = false;
    bool any = false;
    bool spansChunks = false;
    for (;;) {
        if (m_pos >= m_buffer.size() && !fill())
            break;
        any = true;
        const char *begin = m_buffer.constData() + m_pos;
        const qsizetype left = m_buffer.size() - m_pos;
        // The first CR or LF in what is left of the chunk.
        const char *cr = static_cast<const char *>(std::memchr(begin, '\r', size_t(left)));
        const qsizetype crAt = cr ? cr - begin : left;
        const char *lf = static_cast<const char *>(std::memchr(begin, '\n', size_t(crAt)));
        const qsizetype end = lf ? lf - begin : crAt;
        if (!m_tooLong) {
            if (m_line.size() + end > OxpMaxLineBytes) {
                m_tooLong = true;
                m_line.truncate(0);
            } else if (end == left || spansChunks) {
                // Kept aside: the next read replaces the chunk.
                m_line.append(begin, end);
                spansChunks = true;
            } else {
                m_view = QByteArrayView(begin, end);
            }
        }
        m_pos += end;
        if (end == left)
            continue;  // the line goes on in the next chunk
        if (spansChunks && !m_tooLong)
            m_view = m_line;
        const char terminator = m_buffer.at(m_pos++);
        if (terminator == '\r') {
            // A CR LF pair may be split between two chunks; the line is copied already
            // whenever that can happen.
            if (m_pos >= m_buffer.size()) {
                if (!spansChunks && !m_tooLong) {
                    m_line = m_view.toByteArray();
                    m_view = m_line;
                }
                fill();
            }
            if (m_pos < m_buffer.size() && m_buffer.at(m_pos) == '\n')
                ++m_pos;
        }
        ++m_number;
        return true;
    }
    if (!any || (m_line.isEmpty() && !m_tooLong))
        return false;
    // The last line, without a line end.
    m_view = m_tooLong ? QByteArrayView() : QByteArrayView(m_line);
    ++m_number;
    return true;
}

const QString &OxpFileReader::text()
{
    if (!m_decoded) {
        m_text = decodeLine(m_view);
        m_decoded = true;
    }
    return m_text;
}

OxpFileFacts ScanOxpFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        cannot(QStringLiteral("Cannot read the file"), file);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    OxpFileFacts facts;
    bool first = true;
    bool afterCr = false;     // the previous byte was CR: an LF now ends no new line
    bool openLine = false;    // bytes since the last line end
    for (;;) {
        const QByteArray chunk = file.read(chunkBytes);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                cannot(QStringLiteral("Cannot read the file"), file);
            break;
        }
        hash.addData(chunk);
        qsizetype i = 0;
        if (first) {
            first = false;
            if (chunk.startsWith(byteOrderMark))
                i = byteOrderMark.size();
        }
        for (const char *p = chunk.constData() + i, *end = chunk.constData() + chunk.size(); p < end; ++p) {
            const char c = *p;
            if (c == '\r') {
                ++facts.lines;
                openLine = false;
                afterCr = true;
            } else if (c == '\n') {
                if (!afterCr)
                    ++facts.lines;
                openLine = false;
                afterCr = false;
            } else {
                openLine = true;
                afterCr = false;
            }
        }
    }
    if (openLine)
        ++facts.lines;
    facts.fingerprint = hash.result();
    return facts;
}

OxpFileWriter::OxpFileWriter(const QString &path) : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly))
        cannot(QStringLiteral("Cannot write the file"), m_file);
}

void OxpFileWriter::writeLine(const QString &line)
{
    m_pending += line.toUtf8();
    m_pending += "\r\n";
    if (m_pending.size() >= chunkBytes)
        flush();
}

void OxpFileWriter::flush()
{
    if (m_file.write(m_pending) != m_pending.size())
        cannot(QStringLiteral("Cannot write the file"), m_file);
    m_pending.clear();
}

void OxpFileWriter::commit()
{
    flush();
    if (!m_file.commit())
        cannot(QStringLiteral("Cannot write the file"), m_file);
}
