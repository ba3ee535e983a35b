#include "frmImport.h"

#include "db/Error.h"
#include "ontology/DataFolders.h"
#include "ui/CommandBoundary.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/StatusBar.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

const QString crlf = QStringLiteral("\r\n");

// The log box shows lines; the log's text keeps its CR LF pairs when it is saved.
QString shown(QString text) { return text.replace(crlf, QStringLiteral("\n")); }

}  // namespace

frmImport::frmImport() : ui::Form(new QDialog)
{
    QWidget *w = window();
    setCaption(QStringLiteral("Import Ontology"));
    const auto button = [w](const QString &caption) { return new QPushButton(caption, w); };
    cmdOpenFile = button(QStringLiteral("Input File:"));
    txtImportFile = new QLineEdit(w);
    txtImportFile->setReadOnly(true);
    cmdCheckFile = button(QStringLiteral("Check File"));
    cmdImport = button(QStringLiteral("Import!"));
    txtLog = new QPlainTextEdit(w);
    txtLog->setReadOnly(true);
    // Wrapped, so the instructions and long refusals read whole at any width.
    txtLog->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    cmdSaveLog = button(QStringLiteral("Save Log"));
    cmdClear = button(QStringLiteral("Clear Log"));
    cmdClose = button(QStringLiteral("Close"));
    setCancelButton(cmdClose);

    Frame1 = new QGroupBox(QStringLiteral("Import"), w);
    chkConcepts = new QCheckBox(QStringLiteral("Concepts"), Frame1);
    chkDefs = new QCheckBox(QStringLiteral("Definitions"), Frame1);
    Check1 = new QCheckBox(QStringLiteral("Relations"), Frame1);
    Check2 = new QCheckBox(QStringLiteral("Attributes"), Frame1);
    for (QCheckBox *c : {chkConcepts, chkDefs, Check1, Check2})
        c->setChecked(true);
    Check2->setEnabled(false);
    Check2->setToolTip(QStringLiteral("Export files bring no attributes to import"));
    auto *phases = new QVBoxLayout(Frame1);
    for (QCheckBox *c : {chkConcepts, chkDefs, Check1, Check2})
        phases->addWidget(c);

    Frame2 = new QGroupBox(QStringLiteral("Overwrite"), w);
    optOWYes = new QRadioButton(QStringLiteral("Yes"), Frame2);
    optOWNo = new QRadioButton(QStringLiteral("No"), Frame2);
    optOWAsk = new QRadioButton(QStringLiteral("Ask me!"), Frame2);
    optOWYes->setChecked(true);
    auto *overwrite = new QVBoxLayout(Frame2);
    for (QRadioButton *o : {optOWYes, optOWNo, optOWAsk})
        overwrite->addWidget(o);

    ProgressBar1 = new QProgressBar(w);
    ProgressBar1->setVisible(false);
    StatusBar1 = new ui::StatusBar(2, w);
    StatusBar1->addWidget(ProgressBar1, 1);

    const auto connect = [w](QPushButton *b, void (frmImport::*handler)(), frmImport *self) {
        QObject::connect(b, &QPushButton::clicked, w,
                         [w, self, handler] { ui::runCommand(w, [self, handler] { (self->*handler)(); }); });
    };
    connect(cmdOpenFile, &frmImport::cmdOpenFile_Click, this);
    connect(cmdCheckFile, &frmImport::cmdCheckFile_Click, this);
    connect(cmdImport, &frmImport::cmdImport_Click, this);
    connect(cmdSaveLog, &frmImport::cmdSaveLog_Click, this);
    connect(cmdClear, &frmImport::cmdClear_Click, this);
    connect(cmdClose, &frmImport::cmdClose_Click, this);

    auto *file = new QHBoxLayout;
    file->addWidget(cmdOpenFile);
    file->addWidget(txtImportFile, 1);
    auto *side = new QVBoxLayout;
    side->addWidget(Frame1);
    side->addWidget(Frame2);
    side->addWidget(cmdCheckFile);
    side->addWidget(cmdImport);
    side->addStretch();
    side->addWidget(cmdSaveLog);
    side->addWidget(cmdClear);
    side->addWidget(cmdClose);
    auto *middle = new QHBoxLayout;
    middle->addWidget(txtLog, 1);
    middle->addLayout(side);
    auto *all = new QVBoxLayout(w);
    all->addLayout(file);
    all->addLayout(middle, 1);
    all->addWidget(StatusBar1);
    w->resize(640, 480);
}

void frmImport::Form_Load()
{
    cmdCheckFile->setEnabled(false);
    cmdImport->setEnabled(false);
    const QStringList instructions{
        QStringLiteral("To Import an ontology file:"),
        QString(40, QLatin1Char('-')),
        QStringLiteral("1. Choose your options from the 'Import' and 'Overwrite' frames."),
        QStringLiteral("2. Click the 'Input File' button to choose file to import data from."),
        QStringLiteral("3. Click the 'Check File' button to check the file's contents and get a preview of changes."),
        QStringLiteral("4. Click 'Import!' to start importing data. A log will be generated."),
    };
    m_log.clear();
    m_log.text(instructions.join(crlf));
    txtLog->clear();
    showLog();
}

void frmImport::showLog()
{
    QTextCursor end = txtLog->textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(shown(m_log.takeShown()));
    txtLog->setTextCursor(end);
}

OxpImportOptions frmImport::options()
{
    OxpImportOptions o;
    o.concepts = chkConcepts->isChecked();
    o.definitions = chkDefs->isChecked();
    o.relations = Check1->isChecked();
    o.overwrite = optOWNo->isChecked() ? OxpOverwrite::No : optOWAsk->isChecked() ? OxpOverwrite::Ask : OxpOverwrite::Yes;
    o.askOverwrite = [](const QString &conceptId) {
        return ui::msgBox(QStringLiteral("Concept %1 has a definition. Replace it with the one in the file?\r\n\r\n"
                                         "Cancel stops the import and imports nothing.")
                              .arg(conceptId),
                          ui::Buttons::YesNoCancel, ui::Icon::Question, QStringLiteral("Confirm overwrite"));
    };
    return o;
}

OxpProgress frmImport::progress()
{
    OxpProgress p;
    p.begin = [this](const QString &pass, qint64 lines) {
        ProgressBar1->setMaximum(int(std::clamp<qint64>(lines, 1, INT_MAX)));
        ProgressBar1->setValue(0);
        ProgressBar1->setVisible(true);
        StatusBar1->setPanelText(2, pass);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    p.step = [this](qint64 line) {
        ProgressBar1->setValue(int(std::min<qint64>(line, ProgressBar1->maximum())));
        // Keeps the window painting through a long file; the user's input waits.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    p.end = [this] {
        ProgressBar1->setValue(0);
        ProgressBar1->setVisible(false);
        StatusBar1->setPanelText(2, {});
    };
    return p;
}

QString frmImport::chooseFile(ui::FileDialogMode mode, const QString &filter)
{
    dlgCommonDialog.filter = filter;
    dlgCommonDialog.filterIndex = 1;
    dlgCommonDialog.initDir = OntologiesFolder();
    const bool chosen = mode == ui::FileDialogMode::Open ? dlgCommonDialog.showOpen() : dlgCommonDialog.showSave();
    const QString path = dlgCommonDialog.fileName;
    dlgCommonDialog.fileName.clear();
    return chosen ? path : QString();
}

void frmImport::cmdOpenFile_Click()
{
    const QString path =
        chooseFile(ui::FileDialogMode::Open, QStringLiteral("Ontology Export Files (*.oxp)|*.oxp|All files (*.*)|*.*|"));
    if (path.isEmpty())
        return;
    m_importFile = path;
    txtImportFile->setText(m_importFile);
    cmdCheckFile->setEnabled(true);
    // A file not checked yet cannot be imported.
    m_checked.reset();
    cmdImport->setEnabled(false);
}

void frmImport::cmdCheckFile_Click()
{
    m_log.clear();
    m_log.text(CheckStartedText(QDateTime::currentDateTime()));
    txtLog->clear();
    showLog();
    txtLog->repaint();
    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    // Import follows this check: a check that fails, or finds nothing, leaves nothing to import.
    m_checked.reset();
    cmdImport->setEnabled(false);
    OxpCheckResult check;
    try {
        check = CheckOxpFile(m_importFile, options(), m_log, progress());
    } catch (const db::DbError &) {
        showLog();
        throw;
    }
    m_log.text(CheckSummaryText(check));
    showLog();
    if (check.hasImportable())
        cmdImport->setEnabled(true);
    m_checked = std::move(check);
}

void frmImport::cmdImport_Click()
{
    if (!m_checked || m_checked->path != m_importFile)
        return;
    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    const QDateTime startedAt = QDateTime::currentDateTime();
    OxpImportResult result;
    try {
        result = ImportOxpFile(*m_checked, options(), m_log, progress());
    } catch (const db::DbError &) {
        // The log keeps the line that failed; the boundary tells the user.
        showLog();
        throw;
    }
    m_log.text(ImportHeaderText(startedAt, result));
    showLog();
    if (!result.addedConcepts.isEmpty() && conceptsAdded)
        conceptsAdded(result.addedConcepts);
}

void frmImport::cmdSaveLog_Click()
{
    const QString path =
        chooseFile(ui::FileDialogMode::Save, QStringLiteral("Text Files (*.txt)|*.txt|All files (*.*)|*.*|"));
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) &&
        ui::msgBox(QStringLiteral("File exists. Overwrite?"), ui::Buttons::YesNo, ui::Icon::Question,
                   QStringLiteral("Confirm overwrite")) != ui::Answer::Yes)
        return;
    m_log.saveAs(path);
}

void frmImport::cmdClear_Click()
{
    m_log.clear();
    txtLog->clear();
}

void frmImport::cmdClose_Click() { unload(); }
