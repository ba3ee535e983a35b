#pragma once
// The About box: the program's version, links to the documents that come with it, and a
// button that starts the system's own information program where there is one.

#include "ui/Form.h"

#include <QStringList>

class QLabel;
class QPushButton;

class frmAbout : public ui::Form {
public:
    frmAbout();

    QLabel *lblVersion;
    // Links to the documents beside the program.
    QLabel *lblReadme;
    QLabel *lblLicence;
    QLabel *lblHelp;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Starts the first system-information program found on the search path; says so
    // when there is none or it cannot be started.
    void StartSysInfo();

    // Where the documents are: the program's folder.
    static QString documentPath(const QString &fileName);
    // Opens a document beside the program with the desktop's viewer, or says it is missing.
    static void openDocument(const QString &fileName);
    // The programs that show system information, in the order they are looked for.
    static QStringList systemInformationPrograms();

protected:
    void Form_Load() override;
};
