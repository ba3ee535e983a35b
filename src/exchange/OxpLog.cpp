#include "OxpLog.h"

#include "db/Error.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

namespace {

const QString crlf = QStringLiteral("\r\n");
constexpr size_t pendingMessages = 4096;

[[noreturn]] void cannot(const QFileDevice &file)
{
    throw db::DbError(db::err::PathFileAccess,
                      QStringLiteral("Cannot write the log file %1: %2").arg(file.fileName(), file.errorString()));
}

const QString LogPattern = QStringLiteral("lexvarin-import-*.log");

// A run holds a lock on each of its log files while it lives; the system lets it go when
// the run ends, however it ends. Where there are no such locks, a file another run holds
// open cannot be removed either.
bool lockExclusive(int handle)
{
#ifdef Q_OS_UNIX
    return flock(handle, LOCK_EX | LOCK_NB) == 0;
#else
    Q_UNUSED(handle);
    return true;
#endif
}

QTemporaryFile *openTemporary(QTemporaryFile &file)
{
    file.setFileTemplate(QDir::tempPath() + QStringLiteral("/lexvarin-import-XXXXXX.log"));
    if (!file.open() || !lockExclusive(file.handle()))
        cannot(file);
    return &file;
}

// The log files of runs that are no longer running: a run killed keeps no lock. A file
// made this very moment may not be locked yet, so a young one is left for a later run.
void removeLogsOfEndedRuns()
{
    const QDir temp(QDir::tempPath());
    const QDateTime young = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (const QFileInfo &f : temp.entryInfoList({LogPattern}, QDir::Files | QDir::Hidden)) {
        if (f.isSymLink() || !f.isFile() || f.lastModified().toUTC() > young)
            continue;
        QFile log(f.filePath());
        // Removed while the lock is held, so no run can take it up meanwhile.
        if (log.open(QIODevice::ReadOnly) && lockExclusive(log.handle()))
            QFile::remove(f.filePath());
    }
}

}  // namespace

OxpLog::OxpLog()
{
    removeLogsOfEndedRuns();
    openTemporary(m_file);
}

void OxpLog::write(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    if (m_file.write(bytes) != bytes.size())
        cannot(m_file);
}

void OxpLog::endRun()
{
    if (m_notShown > 0)
        m_shown += QStringLiteral("- ... and %1 more lines, not shown here. Save Log writes the whole log.")
                       .arg(m_notShown) +
                   crlf;
    m_runLines = m_notShown = 0;
}

void OxpLog::text(const QString &text)
{
    endRun();
    write(text);
    m_shown += text;
}

void OxpLog::line(const QString &text)
{
    write(text);
    if (m_runLines++ < shownLinesPerRun)
        m_shown += text;
    else
        ++m_notShown;
}

QString OxpLog::takeShown()
{
    endRun();
    return std::exchange(m_shown, QString());
}

void OxpLog::clear()
{
    if (!m_file.resize(0) || !m_file.seek(0))
        cannot(m_file);
    m_shown.clear();
    m_runLines = m_notShown = 0;
}

void OxpLog::saveAs(const QString &path)
{
    if (!m_file.flush())
        cannot(m_file);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw db::DbError(db::err::PathFileAccess,
                          QStringLiteral("Cannot write the file %1: %2").arg(path, out.errorString()));
    QFile whole(m_file.fileName());
    if (!whole.open(QIODevice::ReadOnly))
        throw db::DbError(db::err::PathFileAccess,
                          QStringLiteral("Cannot read the log file %1: %2").arg(whole.fileName(), whole.errorString()));
    for (;;) {
        const QByteArray chunk = whole.read(1 << 20);
        if (chunk.isEmpty())
            break;
        if (out.write(chunk) != chunk.size())
            cannot(out);
    }
    if (out.write("\r\n") != 2 || !out.commit())
        cannot(out);
}

void OxpMessageRun::add(qint64 line, const QString &text)
{
    m_pending.push_back({line, text});
    if (m_pending.size() >= pendingMessages)
        spill();
}

void OxpMessageRun::spill()
{
    if (!m_file) {
        m_file = std::make_unique<QTemporaryFile>();
        openTemporary(*m_file);
        m_stream = std::make_unique<QDataStream>(m_file.get());
    }
    for (const Message &m : m_pending)
        *m_stream << m.line << m.text;
    if (m_stream->status() != QDataStream::Ok)
        cannot(*m_file);
    m_spilled += qint64(m_pending.size());
    m_pending.clear();
}

bool OxpMessageRun::next(Message &out)
{
    if (m_spilled > 0) {
        if (m_read == 0 && !m_file->seek(0))
            cannot(*m_file);
        --m_spilled;
        ++m_read;
        *m_stream >> out.line >> out.text;
        return true;
    }
    if (m_file) {
        // Whatever was kept in memory follows what was spilled.
        m_file.reset();
        m_stream.reset();
        m_read = 0;
    }
    if (m_read >= m_pending.size()) {
        m_pending.clear();
        m_read = 0;
        return false;
    }
    out = std::move(m_pending[m_read++]);
    return true;
}

void OxpMessageRun::merge(const std::vector<OxpMessageRun *> &runs, OxpLog &log)
{
    std::vector<Message> heads(runs.size());
    std::vector<char> live(runs.size());
    for (size_t i = 0; i < runs.size(); ++i)
        live[i] = runs[i]->next(heads[i]);
    for (;;) {
        size_t first = runs.size();
        for (size_t i = 0; i < runs.size(); ++i)
            if (live[i] && (first == runs.size() || heads[i].line < heads[first].line))
                first = i;
        if (first == runs.size())
            return;
        log.line(heads[first].text);
        live[first] = runs[first]->next(heads[first]);
    }
}
