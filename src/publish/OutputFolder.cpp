#include "OutputFolder.h"

#include "ontology/FolderName.h"
#include "ontology/Global.h"
#include "ui/MsgBox.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

QString OntologyPublishFolder() { return FolderBesideFile(OntologyFolder, OntologyInfo.Name, QStringLiteral("-publish")); }

bool EnsureOutputFolder(const QString &folder, const QString &title)
{
    const QString shown = QDir::toNativeSeparators(folder);
    if (folder.trimmed().isEmpty()) {
        ui::msgBox(QStringLiteral("Enter the folder the pages are to be written into."), ui::Buttons::Ok,
                   ui::Icon::Exclamation, title);
        return false;
    }
    const QFileInfo info(QDir::cleanPath(QDir::fromNativeSeparators(folder)));
    if (!info.exists()) {
        if (ui::msgBox(QStringLiteral("The folder ") + shown + QStringLiteral(" does not exist. Create it?"),
                       ui::Buttons::YesNo, ui::Icon::Question, title) != ui::Answer::Yes)
            return false;
        if (!QDir().mkpath(folder)) {
            ui::msgBox(QStringLiteral("The folder ") + shown + QStringLiteral(" cannot be created."), ui::Buttons::Ok,
                       ui::Icon::Critical, QStringLiteral("Error"));
            return false;
        }
        return true;
    }
    // Asking the file system is the only sure test: permissions alone say nothing of a
    // read-only mount or a full disk.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("lexvarin-XXXXXX.tmp")));
    if (!info.isDir() || !probe.open()) {
        ui::msgBox(QStringLiteral("Pages cannot be written into the folder ") + shown + QStringLiteral("."),
                   ui::Buttons::Ok, ui::Icon::Critical, QStringLiteral("Error"));
        return false;
    }
    return true;
}
