// Start-up: the main window under the splash, the default folders, and the three ways the
// splash ends.

#include "app/frmSplash.h"
#include "editor/frmOntoEdit.h"
#include "startup/Main.h"
#include "support/FormsCleanup.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestFolder.h"
#include "ui/App.h"
#include "ui/Forms.h"
#include "ui/MousePointer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A key pressed while the splash is the active window, where the focus is.
void pressAKey(frmSplash &splash)
{
    QApplication::setActiveWindow(splash.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(splash.window()));
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : splash.window();
    QTest::keyClick(focus, Qt::Key_Space);
}

class StartUp : public ::testing::Test {
protected:
    TestFolder dir;
    TestFolder home;
    QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs files;

    void SetUp() override
    {
        ui::setAppPath(dir.path());
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    }
    void TearDown() override
    {
        FormsCleanup::unloadAll();
        ui::setScreenMousePointer(ui::MousePointer::Default);
        qputenv("XDG_DATA_HOME", oldHome);
        ui::setAppPath({});
    }
    static std::shared_ptr<frmOntoEdit> mainWindow() { return ui::forms().first<frmOntoEdit>(); }
    static std::shared_ptr<frmSplash> splash() { return ui::forms().first<frmSplash>(); }
};

}  // namespace

TEST_F(StartUp, TheMainWindowComesFirstDisabledUnderTheSplash)
{
    QDir(dir.path()).mkdir("TermBases");
    const QString kept = dir.write("TermBases/kept.lxb", "mine");
    Main();

    ASSERT_EQ(ui::forms().count(), 2);
    const auto main = mainWindow();
    ASSERT_TRUE(main);
    EXPECT_EQ(ui::forms().at(0), main) << "the main window is the first window loaded";
    EXPECT_TRUE(main->isShown());
    EXPECT_FALSE(main->window()->isEnabled());
    EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Hourglass);
    EXPECT_EQ(main->caption(), "");

    const auto s = splash();
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->isShown());
    EXPECT_TRUE(s->window()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(s->tmrSplash->interval(), 3500);
    EXPECT_TRUE(s->tmrSplash->isActive());
    EXPECT_EQ(s->lblPlatform->text(), QSysInfo::prettyProductName());
    EXPECT_TRUE(s->lblVersion->text().startsWith(QString::fromUtf8("Versión ")));

    EXPECT_TRUE(QFileInfo(dir.file("Ontologies")).isDir());
    EXPECT_TRUE(QFileInfo(dir.file("TermBases")).isDir());
    EXPECT_EQ(fileBytes(kept), QByteArray("mine"));
}

TEST_F(StartUp, TheSplashEndsTheSameWayByItsTimerAKeyOrAClick)
{
    struct Case {
        const char *how;
        void (*end)(frmSplash &);
    } cases[] = {
        {"timer", [](frmSplash &s) { QMetaObject::invokeMethod(s.tmrSplash, "timeout"); }},
        {"key", [](frmSplash &s) { pressAKey(s); }},
        {"click", [](frmSplash &s) { QTest::mouseClick(s.Frame1, Qt::LeftButton, {}, QPoint(5, 5)); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.how);
        Main();
        const auto s = splash();
        ASSERT_TRUE(s);
        c.end(*s);
        EXPECT_FALSE(s->isLoaded());
        EXPECT_FALSE(s->tmrSplash->isActive());
        ASSERT_EQ(ui::forms().count(), 1);
        EXPECT_TRUE(mainWindow()->window()->isEnabled());
        EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Default);
        // The timer coming after a key ends nothing twice.
        s->tmrSplash_Timer();
        EXPECT_TRUE(mainWindow()->isLoaded());
        FormsCleanup::unloadAll();
    }
}

TEST_F(StartUp, AProgramFolderThatCannotHoldTheFoldersSendsThemToTheUsersDataFolder)
{
    dir.write("Ontologies", "a file where the folder would go");
    Main();
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    ASSERT_TRUE(user.startsWith(home.path()));
    EXPECT_TRUE(QFileInfo(QDir(user).filePath("Ontologies")).isDir());
    EXPECT_TRUE(QFileInfo(QDir(user).filePath("TermBases")).isDir());
    EXPECT_FALSE(QFileInfo::exists(dir.file("TermBases")));

    files.cancel();
    pressAKey(*splash());
    mainWindow()->mnuFileOPen_Click();
    ASSERT_EQ(files.asked().size(), 1u);
    EXPECT_EQ(files.asked().front().initDir,
              QDir::toNativeSeparators(QDir(user).filePath("Ontologies")) + QDir::separator());
}
