#pragma once
// "Folder Selection": the folder chooser of the reports dialog, opened on the folder the
// dialog names (or the nearest folder above it that exists). Cancel leaves the folder as
// it was opened on.

#include <QString>

class frmDirSel {
public:
    explicit frmDirSel(const QString &folder);

    // Modal; true when the user chose a folder with OK.
    bool show();
    // The chosen folder without a trailing separator (except a root), or the folder it
    // was opened on.
    QString folder() const { return m_folder; }

private:
    QString m_folder;
};
