#include "FileDialog.h"

#include "Installed.h"
#include "db/Error.h"

#include <QFileInfo>

namespace ui {

void setFileDialogBackend(FileDialogBackend *b) { installed<FileDialogBackend>() = b; }

std::vector<FileFilter> parseFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    std::vector<FileFilter> out;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const bool lastPart = i + 1 >= parts.size();
        if (parts[i].isEmpty() && (lastPart || parts[i + 1].isEmpty()))
            continue;  // what the closing "|" leaves
        FileFilter f{parts[i], {}};
        if (!lastPart) {
            for (const QString &p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
                f.patterns << p.trimmed();
        }
        out.push_back(f);
    }
    return out;
}

bool CommonDialog::show(FileDialogMode mode)
{
    const FileDialogRequest request{mode, filter, filterIndex, initDir, fileName, dialogTitle};
    FileDialogBackend *backend = installed<FileDialogBackend>();
    const std::optional<FileDialogAnswer> answer = backend ? backend->ask(request) : std::nullopt;
    if (!answer || answer->path.isEmpty()) {
        if (cancelError)
            throw db::DbError(db::err::DialogCancelled, QStringLiteral("Cancel was selected."));
        return false;
    }
    fileName = answer->path;
    if (!defaultExt.isEmpty() && !QFileInfo(fileName).fileName().contains(QLatin1Char('.')))
        fileName += QLatin1Char('.') + defaultExt;
    filterIndex = answer->filterIndex;
    return true;
}

}  // namespace ui
