// The About box: its texts, its links to the documents beside the program, and the
// system-information button.

#include "app/frmAbout.h"
#include "support/FormsCleanup.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestFolder.h"
#include "ui/App.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct AboutBox : ::testing::Test {
    TestFolder dir;
    TestFolder bin;  // the search path the system-information program is looked for on
    QByteArray oldPath = qgetenv("PATH");
    ScriptedMessageBoxes boxes;
    FormsCleanup cleanup;
    std::shared_ptr<frmAbout> about = std::make_shared<frmAbout>();

    void SetUp() override
    {
        ui::setAppPath(dir.path());
        qputenv("PATH", bin.path().toLocal8Bit());
        about->load();
    }
    void TearDown() override
    {
        qputenv("PATH", oldPath);
        ui::setAppPath({});
    }
};

}  // namespace

TEST_F(AboutBox, ShowsTheVersionAndLinksToTheDocumentsBesideTheProgram)
{
    EXPECT_EQ(about->caption(), "About Lexvarin(TM)");
    EXPECT_TRUE(QRegularExpression("^Lexvarin\\. Version \\d+\\.\\d+\\.\\d+$").match(about->lblVersion->text()).hasMatch())
        << "all three numbers are shown: " << about->lblVersion->text().toStdString();
    EXPECT_EQ(about->cmdSysInfo->text(), "&Information...");
    struct Case {
        QLabel *label;
        const char *document;
    } cases[] = {{about->lblReadme, "README.md"}, {about->lblLicence, "LICENSE"}, {about->lblHelp, "DCHelp.html"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.document);
        EXPECT_TRUE(c.label->text().contains(QStringLiteral("href=\"%1\"").arg(c.document)));
        EXPECT_EQ(frmAbout::documentPath(c.document), dir.file(c.document));
    }
    // A document that is not there is said to be missing, not opened.
    boxes.expect("DCHelp.html is not there.");
    about->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about->window()));
    const QRect text = about->lblHelp->contentsRect();
    QTest::mouseClick(about->lblHelp, Qt::LeftButton, {},
                      QPoint(text.left() + about->lblHelp->fontMetrics().horizontalAdvance("Help") / 2, text.center().y()));
    EXPECT_FALSE(boxes.pending()) << "a click on the link opens the document";

    about->cmdOK->click();
    EXPECT_FALSE(about->isLoaded());
}

TEST_F(AboutBox, SystemInformationRunsTheProgramFoundOrSaysThereIsNone)
{
    boxes.expect(QString::fromUtf8("La información del sistema no está disponible en este momento"));
    about->cmdSysInfo->click();
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::None);

    // A program of one of the names looked for, on the search path.
    const QString marker = dir.file("started");
    const QString program = bin.write(frmAbout::systemInformationPrograms().last(),
                                      QStringLiteral("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8());
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
    about->cmdSysInfo->click();
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(marker) && !deadline.hasExpired())
        QThread::msleep(10);
    EXPECT_TRUE(QFile::exists(marker)) << "the program found was started";
}
