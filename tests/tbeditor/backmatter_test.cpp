// Back-matter records made through the value editor, persons with their pages, and
// attached files copied and recorded.

#include "ElementsFixture.h"
#include "tbeditor/frmPerson.h"
#include "ui/CommandBoundary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr qint64 Bibliography = 5, Files = 6, Persons = 7, Subjects = 8, Urls = 9, Fpis = 10, Contexts = 15;

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

class BackMatterTest : public ElementsTest {
protected:
    QString back() const { return TermbaseFolder + "Kin-back/"; }
    QString publish() const { return TermbaseFolder + "Kin-publish/"; }

    // The record categories and texts under a parent, in elemID order.
    QStringList records(qint64 parentID) const
    {
        QStringList out;
        db::Statement st(TermbaseDB, "SELECT e.categoryID, t.value FROM elements e LEFT JOIN text_values t ON t.elemID = "
                                     "e.elemID WHERE e.parentID = ? ORDER BY e.elemID");
        st.bind(1, parentID);
        while (st.step())
            out << st.column(0).toString() + "=" + st.column(1).toString();
        return out;
    }
};

TEST_F(BackMatterTest, TextRecordsAreTypedInABox)
{
    struct Case {
        qint64 container;
        const char *categoryID;
        const char *prompt;
        std::optional<QString> answer;  // nullopt: Cancel
        bool stored;
    } cases[] = {
        {Subjects, "xx4", "Enter subject field set (e.g.: medicine)", QString("zoology"), true},
        {Urls, "x10.21.1", "Enter URL. Don't forget to include initial sequence (e.g.: 'http://')", QString("http://a"), true},
        {Fpis, "x10.21.2", "Enter FPI:", QString("  "), true},  // blanks are a text
        {Fpis, "x10.21.2", "Enter FPI:", QString(""), false},
        {Subjects, "xx4", "Enter subject field set", std::nullopt, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.prompt);
        const qint64 before = count("SELECT count(*) FROM elements WHERE parentID = ?", {c.container});
        click(c.container);
        if (c.answer)
            inputs.answer(c.prompt, *c.answer);
        else
            inputs.cancel(c.prompt);
        chooseCategory(c.categoryID);
        EXPECT_EQ(count("SELECT count(*) FROM elements WHERE parentID = ?", {c.container}), before + (c.stored ? 1 : 0));
        if (c.stored) {
            EXPECT_EQ(records(c.container).last(), QString(c.categoryID) + "=" + *c.answer);
            EXPECT_TRUE(node(editor->LastElemID).isValid()) << "the container shows its new record";
        }
        click(3);
    }
}

TEST_F(BackMatterTest, APersonKeepsItsNonEmptyFieldsInOrderAndItsEscapedPage)
{
    click(Persons);
    modals.expect<frmPerson>([](frmPerson &d) {
        d.txtAlias->setText("jdoe");
        d.txtRemarks->setText("likes <b>dogs</b> & cats");
        d.txtRole->setText("checker");
        d.cmdOK->click();
    });
    chooseCategory("x10.2.2");
    const qint64 jdoe = count("SELECT elemID FROM text_values WHERE value = 'jdoe'");
    EXPECT_EQ(records(jdoe), (QStringList{"x10.2.2.3=checker", "x10.2.2.6=likes <b>dogs</b> & cats"}));
    EXPECT_EQ(contents(back() + "per-jdoe.html"),
              QByteArray("<HTML>\r\n<HEAD><TITLE>jdoe</TITLE></HEAD>\r\n<BODY>\r\n"
                         "<strong>Alias:</strong> jdoe\r\n\r\n<br>\r\n"
                         "<strong>Role: </strong>checker\r\n\r\n<br>\r\n"
                         "<strong>Remarks: </strong>likes &lt;b&gt;dogs&lt;/b&gt; &amp; cats\r\n\r\n<br>\r\n"
                         "</BODY>\r\n</HTML>\r\n"));

    // The same alias again is refused; the dialog stays for another one, then Cancel.
    click(3);
    click(Persons);
    modals.expect<frmPerson>([this](frmPerson &d) {
        d.txtAlias->setText("jdoe");
        boxes.expect("Another person has the alias jdoe already.");
        d.cmdOK->click();
        EXPECT_TRUE(d.isShown());
        d.cmdCancel->click();
    });
    chooseCategory("x10.2.2");
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE categoryID = 'x10.2.2'"), 1);
}

TEST_F(BackMatterTest, APersonPageStaysInTheBackFolderAndAnOldPageIsAskedAbout)
{
    writeFile(back() + "per-old.html", "an old page");
    struct Case {
        const char *alias;
        const char *page;          // in the back folder
        std::optional<ui::Answer> overwrite;
        bool stored;
    } cases[] = {
        {"../escape", "per-_2E_2E_2Fescape.html", std::nullopt, true},
        {"old", "per-old.html", ui::Answer::No, false},
        {"old", "per-old.html", ui::Answer::Yes, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.alias) + (c.overwrite ? " asked" : ""));
        click(3);
        click(Persons);
        modals.expect<frmPerson>([&](frmPerson &d) {
            d.txtAlias->setText(c.alias);
            if (c.overwrite)
                boxes.expect("Person definition (old) exists. Overwrite?", *c.overwrite);
            d.cmdOK->click();
            if (d.isShown())
                d.cmdCancel->click();
        });
        chooseCategory("x10.2.2");
        EXPECT_EQ(count("SELECT count(*) FROM text_values WHERE value = ?", {c.alias}), c.stored ? 1 : 0);
        EXPECT_EQ(contents(back() + c.page).contains("an old page"), !c.stored && c.overwrite.has_value());
    }
    EXPECT_FALSE(QFile::exists(TermbaseFolder + "escape.html"));
    EXPECT_FALSE(QFile::exists(TermbaseFolder + "per-../escape.html"));
}

TEST_F(BackMatterTest, ABibliographicalRecordPutsPagesBeforeThePublishingHouse)
{
    click(Bibliography);
    modals.expect<frmBiblio>([](frmBiblio &d) {
        d.txtDescriptor->setText("Smith 1999");
        d.txtPHouse->setText("Acme");
        d.txtPages->setText("1-10");
        d.txtAuthor->setText("Smith");
        d.cmdOK->click();
    });
    chooseCategory("x10.20");
    const qint64 book = count("SELECT elemID FROM text_values WHERE value = 'Smith 1999'");
    EXPECT_EQ(records(book), (QStringList{"x10.20.1=Smith", "x10.20.8=1-10", "x10.20.5=Acme"}));

    click(3);
    click(Bibliography);
    modals.expect<frmBiblio>([this](frmBiblio &d) {
        boxes.expect("You must provide a unique descriptor for each bibliographical record.");
        d.cmdOK->click();
        d.cmdCancel->click();
    });
    chooseCategory("x10.20");
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE categoryID = 'x10.20'"), 1);
}

TEST_F(BackMatterTest, AttachedFilesAreCopiedIntoBothFoldersAndRecordedOnce)
{
    QTemporaryDir elsewhere;
    const QString picture = elsewhere.filePath("dog.png");
    writeFile(picture, "first picture");
    const QString other = QDir(elsewhere.filePath("other")).absolutePath();
    QDir().mkpath(other);
    writeFile(other + "/dog.png", "second picture");
    writeFile(elsewhere.filePath("DOG.html"), "a page of its own");
    writeFile(elsewhere.filePath("ctx.txt"), "context");

    const auto pick = [&](const QString &categoryID, qint64 container, const std::optional<QString> &path) {
        click(3);
        click(container);
        if (path)
            files.answer(*path);
        else
            files.cancel();
        chooseCategory(categoryID);
    };
    const auto recorded = [&](const QString &name) {
        return count("SELECT count(*) FROM ref_values WHERE value = ?", {name});
    };

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
    EXPECT_TRUE(QDir(back()).entryList({"*.lxpart"}).isEmpty());
}

TEST_F(BackMatterTest, AFailedRecordLeavesNeitherFolderChanged)
{
    QTemporaryDir elsewhere;
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
