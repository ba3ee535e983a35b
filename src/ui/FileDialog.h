#pragma once
// The common file dialog as the windows set it up: a filter string of description|pattern
// pairs ("Ontology Files (*.ont)|*.ont|All files (*.*)|*.*|"), the filter shown first
// (1-based), a default extension, an initial folder, a file name and a title, then shown for
// opening or for saving. Who answers is a backend: the Qt dialog in the program, a script
// in tests. Needs no widget header.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ui {

// Folder picks an existing folder: no filter, the folder's path as the answer.
enum class FileDialogMode { Open, Save, Folder };

struct FileFilter {
    QString description;
    QStringList patterns;  // "*.ont"; several were separated by ";"
};

// The pairs of a filter string; a trailing "|" and a description without pattern are allowed.
std::vector<FileFilter> parseFileFilter(const QString &filter);

struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::Open;
    QString filter;
    int filterIndex = 1;
    QString initDir;
    QString fileName;
    QString title;  // empty: the dialog's own ("Open", "Save As")
};

struct FileDialogAnswer {
    QString path;
    int filterIndex = 1;
};

class FileDialogBackend {
public:
    virtual ~FileDialogBackend() = default;
    // std::nullopt when the user cancelled. A save dialog must not ask whether to replace an
    // existing file: the commands report an existing file in their own words.
    virtual std::optional<FileDialogAnswer> ask(const FileDialogRequest &request) = 0;
};

// Installs the backend that answers from now on (not owned); nullptr restores the default,
// which cancels every dialog without showing anything.
void setFileDialogBackend(FileDialogBackend *backend);

class CommonDialog {
public:
    QString filter;
    int filterIndex = 1;
    QString defaultExt;  // without the dot; added to a chosen name that has no extension
    QString initDir;
    QString fileName;    // preset before showing; the chosen full path afterwards
    QString dialogTitle;
    bool cancelError = false;  // Cancel throws db::DbError(db::err::DialogCancelled)

    // True when a file was chosen. On Cancel fileName is left as it was, and with
    // cancelError set the cancel is thrown instead.
    bool showOpen() { return show(FileDialogMode::Open); }
    bool showSave() { return show(FileDialogMode::Save); }
    // fileName receives the chosen folder, initDir is where the dialog starts.
    bool showFolder() { return show(FileDialogMode::Folder); }

private:
    bool show(FileDialogMode mode);
};

}  // namespace ui
