// Attached and context files: copied into the back and publish folders and recorded once,
// and refused where they would take a page's place.

#include "BackFolders.h"
#include "ui/CommandBoundary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr qint64 Files = 6, Contexts = 15;

}  // namespace

class AttachedFilesTest : public BackFoldersTest {
protected:
    QTemporaryDir elsewhere;

    // The file picked in the dialog (nullopt: Cancel) for a category chosen under its container.
    void pick(const QString &categoryID, qint64 container, const std::optional<QString> &path)
    {
        click(3);
        click(container);
        if (path)
            files.answer(*path);
        else
            files.cancel();
        chooseCategory(categoryID);
    }
    qint64 recorded(const QString &name) const { return count("SELECT count(*) FROM ref_values WHERE value = ?", {name}); }
    // A file of the name and contents in a folder of its own outside the termbase's.
    QString outside(const QString &folder, const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(elsewhere.filePath(folder));
        const QString path = elsewhere.filePath(folder + "/" + name);
        writeFile(path, bytes);
        return path;
    }
    QStringList copiesUnderWay() const
    {
        QStringList out;
        for (const QString &folder : {back(), publish()})
            out << QDir(folder).entryList({"*.lxpart"}, QDir::Files | QDir::Hidden);
        return out;
    }
};

TEST_F(AttachedFilesTest, AttachedFilesAreCopiedIntoBothFoldersAndRecordedOnce)
{
    const QString picture = elsewhere.filePath("dog.png");
    writeFile(picture, "first picture");
    const QString other = QDir(elsewhere.filePath("other")).absolutePath();
    QDir().mkpath(other);
    writeFile(other + "/dog.png", "second picture");
    writeFile(elsewhere.filePath("DOG.html"), "a page of its own");
    writeFile(elsewhere.filePath("ctx.txt"), "context");

    pick("x5.5", Files, std::nullopt);
    EXPECT_EQ(count("SELECT count(*) FROM ref_values"), 0) << "Cancel does nothing";

    // The folders go with the termbase's Name: one that is missing is made.
    ASSERT_TRUE(QDir(publish()).removeRecursively());
    pick("x5.5", Files, picture);
    EXPECT_EQ(recorded("dog.png"), 1);
    EXPECT_EQ(contents(back() + "dog.png"), "first picture");
    EXPECT_EQ(contents(publish() + "dog.png"), "first picture");
    EXPECT_EQ(count("SELECT parentID FROM elements e JOIN ref_values r ON r.elemID = e.elemID WHERE value = 'dog.png'"),
              Files);
    EXPECT_EQ(files.asked().back().filter.left(17), "Graphics Files(*.");

    // An entry refers to it; a same-named file from another folder asks first and names it.
    const qint64 dog = entry("DOG");
    const qint64 figure = element("5.5.1", dog);
    pointer(figure, count("SELECT elemID FROM ref_values WHERE value = 'dog.png'"));
    boxes.expect("Entries that refer to it: DOG.", ui::Answer::No);
    pick("x5.5", Files, other + "/dog.png");
    EXPECT_EQ(contents(back() + "dog.png"), "first picture");
    boxes.expect("A file named dog.png with other contents is kept already.", ui::Answer::Yes);
    pick("x5.5", Files, other + "/dog.png");
    EXPECT_EQ(contents(back() + "dog.png"), "second picture");
    EXPECT_EQ(contents(publish() + "dog.png"), "second picture");
    EXPECT_EQ(recorded("dog.png"), 1);

    // The back folder's own copy picked again: nothing is copied onto itself.
    pick("x5.5", Files, back() + "dog.png");
    EXPECT_EQ(contents(back() + "dog.png"), "second picture");
    EXPECT_EQ(recorded("dog.png"), 1);

    // A name kept as the other kind, and a name that is an entry's page, are told.
    pick("x11.1", Contexts, elsewhere.filePath("ctx.txt"));
    EXPECT_EQ(count("SELECT parentID FROM elements e JOIN ref_values r ON r.elemID = e.elemID WHERE value = 'ctx.txt'"),
              Contexts);
    boxes.expect("A file named dog.png is kept already as attached file.");
    pick("x11.1", Contexts, picture);
    boxes.expect("would replace a page of the published termbase");
    pick("x5.5", Files, elsewhere.filePath("DOG.html"));
    EXPECT_FALSE(QFile::exists(publish() + "DOG.html"));
    EXPECT_EQ(count("SELECT count(*) FROM ref_values"), 2);
    EXPECT_TRUE(copiesUnderWay().isEmpty());
}

TEST_F(AttachedFilesTest, AFailedRecordLeavesNeitherFolderChanged)
{
    writeFile(elsewhere.filePath("new.png"), "new");
    TermbaseDB.execute("CREATE TRIGGER fail BEFORE INSERT ON ref_values BEGIN SELECT RAISE(ABORT, 'injected failure'); END");
    click(Files);
    files.answer(elsewhere.filePath("new.png"));
    boxes.expect("injected failure");
    ui::runCommand(editor->window(), [&] { chooseCategory("x5.5"); });
    EXPECT_FALSE(QFile::exists(back() + "new.png"));
    EXPECT_FALSE(QFile::exists(publish() + "new.png"));
    EXPECT_TRUE(QDir(back()).entryList({"*.lxpart"}).isEmpty());
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE categoryID = 'x5.5'"), 0);
}

TEST_F(AttachedFilesTest, NamesOfPersonPagesAreRefused)
{
    writeFile(back() + "per-jdoe.html", "the page of jdoe");
    struct Case {
        const char *name;
        const char *message;
    } cases[] = {
        {"per-jdoe.html", "A file named per-jdoe.html would take the place of a person's page"},
        {"PER-Someone.Html", "would take the place of a person's page"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        boxes.expect(c.message);
        pick("x5.5", Files, outside("picked", c.name, "an attached file"));
        EXPECT_FALSE(boxes.pending());
        EXPECT_EQ(recorded(c.name), 0);
        EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Exclamation);
        if (QLatin1String(c.name) != QLatin1String("per-jdoe.html")) {
            EXPECT_FALSE(QFile::exists(back() + c.name));
        }
        EXPECT_FALSE(QFile::exists(publish() + c.name));
    }
    EXPECT_EQ(contents(back() + "per-jdoe.html"), "the page of jdoe");
}
