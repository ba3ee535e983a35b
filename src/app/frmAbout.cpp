#include "frmAbout.h"

#include "Version.h"
#include "ui/CommandBoundary.h"
#include "ui/App.h"
#include "ui/MsgBox.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel *link(QWidget *parent, const QString &text, const QString &fileName)
{
    auto *l = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(fileName, text.toHtmlEscaped()), parent);
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    l->setToolTip(QDir::toNativeSeparators(frmAbout::documentPath(fileName)));
    QObject::connect(l, &QLabel::linkActivated, parent, ui::command(parent, [](const QString &target) { frmAbout::openDocument(target); }));
    return l;
}

}  // namespace

frmAbout::frmAbout() : ui::Form(new QDialog)
{
    QWidget *w = window();
    setCaption(QStringLiteral("About Lexvarin(TM)"));

    auto *logo = new QLabel(w);
    logo->setPixmap(QIcon(QStringLiteral(":/icons/tree.xpm")).pixmap(48, 48));
    lblVersion = new QLabel(w);
    lblReadme = link(w, QStringLiteral("Read me"), QStringLiteral("README.md"));
    lblLicence = link(w, QStringLiteral("Licence"), QStringLiteral("LICENSE"));
    lblHelp = link(w, QStringLiteral("Help on data categories"), QStringLiteral("DCHelp.html"));

    cmdOK = new QPushButton(QStringLiteral("OK"), w);
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&Information..."), w);
    QObject::connect(cmdOK, &QPushButton::clicked, w, ui::command(w, [this] { cmdOK_Click(); }));
    QObject::connect(cmdSysInfo, &QPushButton::clicked, w, ui::command(w, [this] { cmdSysInfo_Click(); }));

    auto *text = new QVBoxLayout;
    text->addWidget(lblVersion);
    text->addSpacing(8);
    text->addWidget(lblReadme);
    text->addWidget(lblLicence);
    text->addWidget(lblHelp);
    auto *top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto *all = new QVBoxLayout(w);
    all->addLayout(top);
    all->addStretch();
    all->addLayout(buttons);
}

void frmAbout::Form_Load() { lblVersion->setText(QStringLiteral("Lexvarin. Version ") + versionText()); }

void frmAbout::cmdOK_Click() { unload(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

QStringList frmAbout::systemInformationPrograms()
{
    return {QStringLiteral("msinfo32"), QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
            QStringLiteral("kinfocenter")};
}

void frmAbout::StartSysInfo()
{
    for (const QString &name : systemInformationPrograms()) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return;
    }
    ui::msgBox(QStringLiteral("La información del sistema no está disponible en este momento"));
}

QString frmAbout::documentPath(const QString &fileName) { return QDir(ui::appPath()).filePath(fileName); }

void frmAbout::openDocument(const QString &fileName)
{
    const QString path = documentPath(fileName);
    if (!QFileInfo::exists(path)) {
        ui::msgBox(QStringLiteral("The document %1 is not there.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
