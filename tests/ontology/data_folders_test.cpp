#include "db/Error.h"
#include "ontology/DataFolders.h"
#include "support/TestFolder.h"
#include "ui/App.h"

#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// Points the program at a temporary folder, and the user's data folder into another one
// (each test its own, as the tests may run side by side).
struct ProgramFolder {
    TestFolder dir;
    TestFolder home;
    QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    ProgramFolder()
    {
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        ui::setAppPath(dir.path());
    }
    ~ProgramFolder()
    {
        ui::setAppPath({});
        qputenv("XDG_DATA_HOME", oldHome);
    }
    static QString userData() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }
};

}  // namespace

TEST(DataFolders, MadeUnderTheProgramFolderAndExistingOnesLeftAlone)
{
    ProgramFolder p;
    QDir(p.dir.path()).mkdir("TermBases");
    const QString kept = p.dir.write("TermBases/kept.lxb", "mine");

    EXPECT_EQ(DataFolder(), p.dir.path());
    EXPECT_TRUE(QFileInfo(p.dir.file("Ontologies")).isDir());
    EXPECT_EQ(fileBytes(kept), QByteArray("mine"));

    const QString sep = QDir::separator();
    EXPECT_EQ(OntologiesFolder(), QDir::toNativeSeparators(p.dir.file("Ontologies")) + sep);
    EXPECT_EQ(TermBasesFolder(), QDir::toNativeSeparators(p.dir.file("TermBases")) + sep);
    EXPECT_FALSE(QFileInfo::exists(ProgramFolder::userData()));
}

TEST(DataFolders, GoToTheUsersDataFolderWhenTheProgramFolderCannotHoldThem)
{
    ProgramFolder p;
    // A file of that name stands where the folder would have to be made.
    const QString blocker = p.dir.write("Ontologies", "not a folder");

    EXPECT_EQ(DataFolder(), ProgramFolder::userData());
    EXPECT_TRUE(QFileInfo(QDir(ProgramFolder::userData()).filePath("Ontologies")).isDir());
    EXPECT_TRUE(QFileInfo(QDir(ProgramFolder::userData()).filePath("TermBases")).isDir());
    EXPECT_TRUE(OntologiesFolder().startsWith(QDir::toNativeSeparators(ProgramFolder::userData())));
    EXPECT_EQ(fileBytes(blocker), QByteArray("not a folder"));
}

TEST(DataFolders, NeitherPlaceUsableIsAPathError)
{
    ProgramFolder p;
    p.dir.write("Ontologies", "x");
    QDir().mkpath(QFileInfo(ProgramFolder::userData()).path());
    // The user's data folder itself is a file: nothing can be made under it.
    QFile blocker(ProgramFolder::userData());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        DataFolder();
        FAIL() << "no folder could be made, yet no error";
    } catch (const db::DbError &e) {
        EXPECT_EQ(e.number(), db::err::PathFileAccess);
    }
}

TEST(FolderOf, IsTheNativeFolderEndingInASeparator)
{
    const QString sep = QDir::separator();
    EXPECT_EQ(FolderOf("/data/zoo.ont"), QDir::toNativeSeparators("/data") + sep);
    EXPECT_EQ(FolderOf("/data/sub/Zoo 2.ont"), QDir::toNativeSeparators("/data/sub") + sep);
    EXPECT_EQ(FolderOf("/zoo.ont"), QDir::toNativeSeparators("/"));
}
