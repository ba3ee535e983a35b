#pragma once
// Every file the program writes into its own folders (pages, the index and frame pages,
// person pages, copies of attached files) is made new beside its place and renamed over
// it. A link planted at the name is then replaced, never written through, and a write that
// fails leaves the old file whole.

#include <QByteArray>
#include <QFile>
#include <QString>

class FileBeside {
public:
    // Makes the new file: at besidePath when given (a name of the caller's own, which its
    // recovery after a kill knows), else under ".~<file name>.<hex>" in path's folder, a
    // name no one can guess. An existing file or link there is never opened. DbError 75,
    // naming path, when it cannot be made.
    explicit FileBeside(const QString &path, const QString &besidePath = {});
    // The file beside goes again unless it took its place or was kept.
    ~FileBeside();
    FileBeside(const FileBeside &) = delete;
    FileBeside &operator=(const FileBeside &) = delete;

    void write(const QByteArray &bytes);
    void copyFrom(const QString &source);
    // Written whole: the file is closed, still beside its place.
    void close();
    // Another name beside the place (a copy marked complete, say).
    void renameBeside(const QString &besidePath);
    // Over the place in one step, a link there replaced.
    void place();
    // Left as it is beside the place, for the caller's recovery to take up.
    void keep() { m_done = true; }

    const QString &path() const { return m_path; }
    QString besidePath() const { return m_file.fileName(); }

private:
    [[noreturn]] void fail();

    QString m_path;
    QFile m_file;
    bool m_done = false;
};

// The whole file at once. A file that is not there yet is written in place (a third less
// work for the file system when a whole folder is published) and removed again when the
// write fails; any other is written beside and renamed over. DbError 75 naming path.
void WriteFileInPlace(const QString &path, const QByteArray &bytes);

// Renames from over to in one step, whatever to is (a link included); false on failure.
bool RenameOver(const QString &from, const QString &to);

// Whether the name is one FileBeside gives a file of its own naming while it is written.
bool IsFileBesideName(const QString &fileName);
// Removes from the folder the files beside that a stopped program left: plain files of
// that name only, never a link or what it points at.
void RemoveLeftoverFilesBeside(const QString &folder);
