// What the termbase editor writes beside a termbase goes into the termbase's own two
// folders, whatever Name the file holds, and never through a link planted at a file's name.

#include "BackFolders.h"
#include "support/ScriptedPopupMenus.h"
#include "tbeditor/frmPerson.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

constexpr qint64 Files = 6, Persons = 7;

// The files below a folder, by their paths relative to it.
QStringList filesUnder(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(folder).relativeFilePath(it.next());
    out.sort();
    return out;
}

}  // namespace

class OwnFoldersTest : public BackFoldersTest {
protected:
    QTemporaryDir elsewhere;

    // Closes the termbase and opens it again through the File menu.
    void reopen()
    {
        const QString path = TermbasePath;
        editor->mnuFileClose->trigger();
        files.answer(path);
        editor->mnuFileOPen->trigger();
        ASSERT_EQ(TermbasePath, path);
        activate();
    }
    // The person typed into the dialog the Persons container offers.
    void addPerson(const QString &alias)
    {
        click(3);
        click(Persons);
        modals.expect<frmPerson>([alias](frmPerson &d) {
            d.txtAlias->setText(alias);
            d.cmdOK->click();
        });
        chooseCategory("x10.2.2");
    }
    void attach(const QString &path)
    {
        click(3);
        click(Files);
        files.answer(path);
        chooseCategory("x5.5");
    }
    // A file outside the termbase's folders with the bytes, and a link to it at link.
    QString plantLink(const QString &link, const QByteArray &bytes)
    {
        const QString target = elsewhere.filePath(QFileInfo(link).fileName() + ".target");
        writeFile(target, bytes);
        QFile::remove(link);
        EXPECT_TRUE(QFile::link(target, link));
        return target;
    }
};

TEST_F(OwnFoldersTest, ANameThatLeadsOutOfTheFolderWritesScansAndDeletesNothingOutsideIt)
{
    const QString picture = elsewhere.filePath("dog.png");
    writeFile(picture, "a picture");
    const qint64 person = record("x10.2.2", Persons, "jdoe");
    struct Caller {
        const char *what;
        std::function<void()> use;
    } callers[] = {
        {"attaching a file", [&] {
             click(3);
             click(Files);
             chooseCategory("x5.5");
         }},
        {"adding a person", [&] {
             click(3);
             click(Persons);
             chooseCategory("x10.2.2");
         }},
        {"renaming a person", [&] { editLabel(person, "jsmith"); }},
    };
    const QString path = TermbasePath;
    for (const QString &name : {QStringLiteral("../Evil"), QStringLiteral("a/b")}) {
        SCOPED_TRACE(name.toStdString());
        const qint64 file = element("x5.5", Files);
        row("ref_values", file, "cat.png");
        const QString refused = "\"" + name + "\" cannot be part of a folder name";
        editor->mnuFileClose->trigger();
        editFile(path, "UPDATE MetaData SET Name = ?", {name});
        // Folders of that name outside the termbase's folder, with what an attach stopped
        // half-way would leave in its own folders, and copies of the record's file.
        const QString outBack = QDir::cleanPath(TermbaseFolder + name + "-back");
        const QString outPublish = QDir::cleanPath(TermbaseFolder + name + "-publish");
        QDir().mkpath(outBack);
        writeFile(outBack + "/x.png.lxpart", "someone else's");
        writeFile(outBack + "/y.png.lxready", "someone else's");
        writeFile(outBack + "/cat.png", "someone else's");
        writeFile(outBack + "/.~per-jdoe.html.1a2b", "someone else's");
        const QStringList outside = filesUnder(outBack);

        boxes.expect(refused);
        files.answer(path);
        editor->mnuFileOPen->trigger();
        ASSERT_EQ(TermbasePath, path) << "the termbase itself opens";
        EXPECT_FALSE(boxes.pending());
        activate();
        for (const Caller &c : callers) {
            SCOPED_TRACE(c.what);
            boxes.expect(refused);
            c.use();
            EXPECT_FALSE(boxes.pending());
        }
        EXPECT_EQ(TermbaseDB.scalar("SELECT value FROM text_values WHERE elemID = ?", {person}).toString(), "jdoe");
        // Deleting the file record leaves the copies of that name alone.
        ScriptedPopupMenus menus;
        menus.choose("Delete");
        boxes.expect("Are You sure you want to delete this element?", ui::Answer::Yes);
        click(file, Qt::RightButton);
        EXPECT_FALSE(boxes.pending());

        EXPECT_EQ(filesUnder(outBack), outside);
        EXPECT_FALSE(QFileInfo::exists(outPublish));
        QDir(outBack).removeRecursively();
        editor->mnuFileClose->trigger();
        editFile(path, "UPDATE MetaData SET Name = 'Kin'");
        files.answer(path);
        editor->mnuFileOPen->trigger();
        activate();
    }
    EXPECT_FALSE(QFileInfo::exists(TermbaseFolder + "a"));
}

TEST_F(OwnFoldersTest, ALinkPlantedAtAFileItWritesIsReplacedNeverWrittenThrough)
{
    const QString picture = elsewhere.filePath("dog.png");
    writeFile(picture, "a picture");
    const QString other = elsewhere.filePath("cat.png");
    writeFile(other, "a cat");
    const qint64 renamed = record("x10.2.2", Persons, "P3");
    record("x10.2.2", Persons, "P2");  // without its page, as a stop before it leaves it
    struct Case {
        const char *what;
        QString link;          // in the termbase's folders
        bool toThePicture;     // the link names the very file picked
        std::function<void()> write;
        QByteArray written;    // what the file holds afterwards
    } cases[] = {
        {"a person's page", back() + "per-P1.html", false,
         [&] {
             boxes.expect("Person definition (P1) exists. Overwrite?", ui::Answer::Yes);
             addPerson("P1");
         },
         "<TITLE>P1</TITLE>"},
        {"a renamed person's page", back() + "per-P4.html", false, [&] { editLabel(renamed, "P4"); }, "<TITLE>P4</TITLE>"},
        {"the page the open writes for a person without one", back() + "per-P2.html", false,
         [&] { reopen(); },
         "<TITLE>P2</TITLE>"},
        {"an attached file's copy in the back folder", back() + "dog.png", false,
         [&] {
             boxes.expect("A file named dog.png with other contents is kept already.", ui::Answer::Yes);
             attach(picture);
         },
         "a picture"},
        {"an attached file's copy in the publish folder", publish() + "cat.png", false, [&] { attach(other); }, "a cat"},
        {"a link to the file picked itself", back() + "dog.png", true, [&] { attach(picture); }, "a picture"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString target = c.toThePicture ? picture : plantLink(c.link, "outside");
        if (c.toThePicture) {
            QFile::remove(c.link);
            ASSERT_TRUE(QFile::link(picture, c.link));
        }
        c.write();
        EXPECT_FALSE(boxes.pending());
        EXPECT_EQ(contents(target), c.toThePicture ? QByteArray("a picture") : QByteArray("outside"));
        EXPECT_FALSE(QFileInfo(c.link).isSymLink());
        EXPECT_TRUE(contents(c.link).contains(c.written)) << contents(c.link).toStdString();
    }
}
