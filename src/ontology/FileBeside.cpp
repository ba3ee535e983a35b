#include "FileBeside.h"

#include "db/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <filesystem>

namespace {

[[noreturn]] void failWrite(const QString &path)
{
    throw db::DbError(db::err::PathFileAccess, QStringLiteral("Path/File access error: ") + QDir::toNativeSeparators(path));
}

// Its name stays within the file system's limit however long the file's own is.
QString unguessableBeside(const QString &path)
{
    const QFileInfo info(path);
    const QString hex = QString::number(QRandomGenerator::system()->generate64(), 16);
    return QDir(info.absolutePath()).filePath(QStringLiteral(".~%1.%2").arg(info.fileName().left(200), hex));
}

bool writeAll(QFile &file, const QByteArray &bytes) { return file.write(bytes) == bytes.size(); }

}  // namespace

FileBeside::FileBeside(const QString &path, const QString &besidePath)
    : m_path(path), m_file(besidePath.isEmpty() ? unguessableBeside(path) : besidePath)
{
    // Made new: whatever lies at the name, a link above all, is not followed.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        m_done = true;  // nothing of ours to remove
        failWrite(m_path);
    }
}

FileBeside::~FileBeside()
{
    if (m_done)
        return;
    m_file.close();
    m_file.remove();
}

void FileBeside::fail()
{
    m_file.close();
    m_file.remove();
    m_done = true;
    failWrite(m_path);
}

void FileBeside::write(const QByteArray &bytes)
{
    if (!writeAll(m_file, bytes))
        fail();
}

void FileBeside::copyFrom(const QString &source)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        fail();
    for (;;) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty())
            break;
        write(chunk);
    }
    if (in.error() != QFileDevice::NoError)
        fail();
}

void FileBeside::close()
{
    if (!m_file.isOpen())
        return;
    const bool flushed = m_file.flush();
    m_file.close();
    if (!flushed || m_file.error() != QFileDevice::NoError)
        fail();
}

void FileBeside::renameBeside(const QString &besidePath)
{
    close();
    if (!RenameOver(m_file.fileName(), besidePath))
        fail();
    m_file.setFileName(besidePath);
}

void FileBeside::place()
{
    close();
    if (!RenameOver(m_file.fileName(), m_path))
        fail();
    m_done = true;
}

void WriteFileInPlace(const QString &path, const QByteArray &bytes)
{
    {
        // Opening it only if new also tells whether it was there; a link at the name is
        // "there" and goes the careful way below.
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            const bool written = writeAll(file, bytes) && file.flush();
            file.close();
            if (!written) {
                file.remove();
                failWrite(path);
            }
            return;
        }
        if (!QFileInfo(path).absoluteDir().exists())
            failWrite(path);
    }
    // No flush to the disk per file: a page is made again from the database at any time,
    // and publishing writes a great many.
    FileBeside file(path);
    file.write(bytes);
    file.place();
}

bool RenameOver(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                            std::filesystem::path(QFile::encodeName(to).toStdString()), error);
    return !error;
}

bool IsFileBesideName(const QString &fileName)
{
    static const QRegularExpression beside(QStringLiteral("^\\.~.+\\.[0-9a-f]{1,16}$"));
    return beside.match(fileName).hasMatch();
}

void RemoveLeftoverFilesBeside(const QString &folder)
{
    const QDir dir(folder);
    for (const QFileInfo &f : dir.entryInfoList({QStringLiteral(".~*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (f.isSymLink() || !f.isFile() || !IsFileBesideName(f.fileName()))
            continue;
        QFile::remove(f.filePath());
    }
}
