// Attached and context files: copied into the back and publish folders and recorded once,
// refused where they would take a page's place, and kept in step with their rows after a
// failure at any step and after the program was stopped at any moment.

#include "BackFolders.h"
#include "termbase/AttachedFiles.h"
#include "ui/CommandBoundary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr qint64 Files = 6, Contexts = 15;

const struct {
    AttachStep step;
    const char *name;
} Steps[] = {
    {AttachStep::CopyToBack, "copying to the back folder"},
    {AttachStep::CopyToPublish, "copying to the publish folder"},
    {AttachStep::MarkReady, "marking the copies complete"},
    {AttachStep::Record, "recording"},
    {AttachStep::Commit, "committing"},
    {AttachStep::PlaceInBack, "putting the back folder's copy in place"},
    {AttachStep::PlaceInPublish, "putting the publish folder's copy in place"},
};

bool afterCommit(AttachStep s) { return s == AttachStep::PlaceInBack || s == AttachStep::PlaceInPublish; }

// The files of a folder, without its subfolders, copied into another.
void copyFiles(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &f : QDir(from).entryList(QDir::Files | QDir::Hidden))
        ASSERT_TRUE(QFile::copy(QDir(from).filePath(f), QDir(to).filePath(f)));
}

// A database file with its journal, when it has one, copied over another's.
void copyWithJournal(const QString &from, const QString &to)
{
    for (const QString &suffix : {QString(), QStringLiteral("-journal")}) {
        QFile::remove(to + suffix);
        if (QFile::exists(from + suffix)) {
            ASSERT_TRUE(QFile::copy(from + suffix, to + suffix));
        }
    }
}

}  // namespace

class AttachedFilesTest : public BackFoldersTest {
protected:
    QTemporaryDir elsewhere;

    void TearDown() override
    {
        AttachStepObserver = nullptr;
        BackFoldersTest::TearDown();
    }

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
            out << QDir(folder).entryList({"*.lxpart", "*.lxready"}, QDir::Files | QDir::Hidden);
        return out;
    }
    void reopen()
    {
        const QString path = TermbasePath;
        editor->mnuFileClose_Click();
        openTermbase(path);
        ASSERT_EQ(TermbasePath, path);
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

TEST_F(AttachedFilesTest, NamesOfPersonPagesAndOfCopiesUnderWayAreRefused)
{
    writeFile(back() + "per-jdoe.html", "the page of jdoe");
    struct Case {
        const char *name;
        const char *message;
    } cases[] = {
        {"per-jdoe.html", "A file named per-jdoe.html would take the place of a person's page"},
        {"PER-Someone.Html", "would take the place of a person's page"},
        {"dog.png.lxpart", "are those of copies not yet in place"},
        {"dog.png.LXREADY", "are those of copies not yet in place"},
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

// A file new to the termbase, or one replacing a recorded file of the same name.
TEST_F(AttachedFilesTest, AFailureAtAnyStepLeavesRowsAndFilesInStep)
{
    for (const auto &s : Steps)
        for (const bool replacing : {false, true}) {
            SCOPED_TRACE(std::string(s.name) + (replacing ? ", replacing" : ", new"));
            const QString name = QStringLiteral("f%1%2.png").arg(int(s.step)).arg(replacing ? "r" : "n");
            if (replacing)
                pick("x5.5", Files, outside("old", name, "old"));
            AttachStepObserver = [&](AttachStep at) {
                if (at == s.step)
                    throw db::DbError(db::err::PathFileAccess, "injected failure");
            };
            if (replacing)
                boxes.expect("with other contents is kept already", ui::Answer::Yes);
            boxes.expect("injected failure");
            ui::runCommand(editor->window(), [&] { pick("x5.5", Files, outside("new", name, "new")); });
            AttachStepObserver = nullptr;
            EXPECT_FALSE(boxes.pending());
            if (replacing) {
                // The old copies stay until the new ones take their places.
                EXPECT_EQ(recorded(name), 1);
                EXPECT_EQ(contents(back() + name), s.step == AttachStep::PlaceInPublish ? "new" : "old");
                EXPECT_EQ(contents(publish() + name), "old");
            } else {
                EXPECT_EQ(recorded(name), 0);
                EXPECT_FALSE(QFile::exists(back() + name));
                EXPECT_FALSE(QFile::exists(publish() + name));
            }
            reopen();
            EXPECT_TRUE(copiesUnderWay().isEmpty()) << copiesUnderWay().join(", ").toStdString();
            const QByteArray now = replacing && afterCommit(s.step) ? "new" : replacing ? "old" : "<missing>";
            EXPECT_EQ(contents(back() + name), now);
            EXPECT_EQ(contents(publish() + name), now);
        }
}

// What a kill at each step leaves on the disk: the termbase file with its journal and both
// folders, copied at that moment, opened after the attach.
TEST_F(AttachedFilesTest, AfterAKillAtAnyStepTheOpenFinishesOrDropsTheAttach)
{
    const QString path = TermbasePath;
    const QString back = this->back(), publish = this->publish();
    for (const auto &s : Steps)
        for (const bool replacing : {false, true}) {
            SCOPED_TRACE(std::string(s.name) + (replacing ? ", replacing" : ", new"));
            const QString name = QStringLiteral("k%1%2.png").arg(int(s.step)).arg(replacing ? "r" : "n");
            if (replacing)
                pick("x5.5", Files, outside("old", name, "old"));
            QTemporaryDir crash;
            AttachStepObserver = [&](AttachStep at) {
                if (at != s.step)
                    return;
                copyWithJournal(path, crash.filePath("termbase"));
                copyFiles(back, crash.filePath("back"));
                copyFiles(publish, crash.filePath("publish"));
            };
            if (replacing)
                boxes.expect("with other contents is kept already", ui::Answer::Yes);
            pick("x5.5", Files, outside("new", name, "new"));
            AttachStepObserver = nullptr;

            editor->mnuFileClose_Click();
            copyWithJournal(crash.filePath("termbase"), path);
            ASSERT_TRUE(QDir(back).removeRecursively() && QDir(publish).removeRecursively());
            copyFiles(crash.filePath("back"), back);
            copyFiles(crash.filePath("publish"), publish);
            openTermbase(path);
            ASSERT_EQ(TermbasePath, path);

            EXPECT_TRUE(copiesUnderWay().isEmpty()) << copiesUnderWay().join(", ").toStdString();
            // A new file is there with its row or not at all. A replacement whose copies
            // were all complete is finished: its row is the same either way.
            const bool complete = s.step != AttachStep::CopyToBack && s.step != AttachStep::CopyToPublish &&
                                  s.step != AttachStep::MarkReady;
            EXPECT_EQ(recorded(name), replacing || afterCommit(s.step) ? 1 : 0);
            const QByteArray now = replacing ? (complete ? "new" : "old") : afterCommit(s.step) ? "new" : "<missing>";
            EXPECT_EQ(contents(back + name), now);
            EXPECT_EQ(contents(publish + name), now);
        }
}
