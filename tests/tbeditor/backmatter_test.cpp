// Back-matter records made through the value editor, and persons with their pages.

#include "BackFolders.h"
#include "tbeditor/frmPerson.h"
#include "ui/CommandBoundary.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace {

constexpr qint64 Bibliography = 5, Files = 6, Persons = 7, Subjects = 8, Urls = 9, Fpis = 10;

}  // namespace

class BackMatterTest : public BackFoldersTest {
protected:
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
              QByteArray("<HTML>\r\n<HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
                         "<TITLE>jdoe</TITLE></HEAD>\r\n<BODY>\r\n"
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

TEST_F(BackMatterTest, ThePersonsBoxesHoldAFullNameAndTakeTheDialogsWidth)
{
    click(Persons);
    modals.expect<frmPerson>([](frmPerson &d) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(d.window()));
        const QString fullName = QStringLiteral("Maria Dolores Fernandez de Cordoba");
        for (QLineEdit *box : {d.txtAlias, d.txtName, d.txtRole, d.txtEmail, d.txtPhone, d.txtRemarks})
            EXPECT_GT(box->width(), box->fontMetrics().horizontalAdvance(fullName)) << box->toolTip().toStdString();
        const int before = d.txtName->width();
        d.window()->resize(d.window()->width() + 200, d.window()->height());
        EXPECT_EQ(d.txtName->width(), before + 200);
        d.cmdCancel->click();
    });
    chooseCategory("x10.2.2");
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

TEST_F(BackMatterTest, APersonPageIsWrittenOnlyForAStoredRecord)
{
    // Another program reading the file holds off the commit.
    std::optional<db::Database> reader;
    const auto holdCommits = [&] {
        TermbaseDB.execute("PRAGMA busy_timeout = 0");
        reader.emplace(db::Database::open(TermbasePath));
        reader->execute("BEGIN");
        reader->scalar("SELECT count(*) FROM elements");
    };
    struct Case {
        const char *alias;
        std::function<void()> arrange;
        const char *message;
        bool stored;
    } cases[] = {
        {"locked", holdCommits, "currently locked", false},
        {"nowhere",
         [&] {
             QDir(back()).removeRecursively();
             writeFile(back().chopped(1), "a file where the back folder was");
         },
         "The person page could not be written", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.alias);
        click(3);
        click(Persons);
        c.arrange();
        modals.expect<frmPerson>([&](frmPerson &d) {
            d.txtAlias->setText(c.alias);
            d.cmdOK->click();
        });
        boxes.expect(c.message);
        ui::runCommand(editor->window(), [&] { chooseCategory("x10.2.2"); });
        EXPECT_FALSE(boxes.pending());
        reader.reset();
        EXPECT_EQ(count("SELECT count(*) FROM text_values WHERE value = ?", {c.alias}), c.stored ? 1 : 0);
        EXPECT_FALSE(QFileInfo(back() + "per-" + c.alias + ".html").isFile());
    }
}

TEST_F(BackMatterTest, AnAliasWhosePageWouldReplaceAnAttachedFileIsRefused)
{
    const qint64 file = element("x5.5", Files);
    row("ref_values", file, "per-old.html");
    writeFile(back() + "per-old.html", "an attached table");
    click(Persons);
    modals.expect<frmPerson>([this](frmPerson &d) {
        d.txtAlias->setText("old");
        boxes.expect("The page of a person with the alias old would take the place of the attached file per-old.html.");
        d.cmdOK->click();
        EXPECT_TRUE(d.isShown());
        d.cmdCancel->click();
    });
    chooseCategory("x10.2.2");
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE categoryID = 'x10.2.2'"), 0);
    EXPECT_EQ(contents(back() + "per-old.html"), "an attached table");
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

class PersonPagesTest : public BackMatterTest {
protected:
    void addPerson(const QString &alias, const char *refusal = nullptr)
    {
        click(3);
        click(Persons);
        modals.expect<frmPerson>([&](frmPerson &d) {
            d.txtAlias->setText(alias);
            if (refusal)
                boxes.expect(refusal);
            d.cmdOK->click();
            if (d.isShown())
                d.cmdCancel->click();
        });
        chooseCategory("x10.2.2");
        EXPECT_FALSE(boxes.pending());
    }
    void rename(qint64 elemID, const QString &alias, const char *refusal = nullptr)
    {
        if (refusal)
            boxes.expect(refusal);
        editLabel(elemID, alias);
        EXPECT_FALSE(boxes.pending());
    }
    QStringList pages() const { return QDir(back()).entryList({"per-*"}, QDir::Files | QDir::Hidden, QDir::Name); }
    qint64 person(const QString &alias) const
    {
        return count("SELECT elemID FROM text_values t JOIN elements e USING (elemID) WHERE categoryID = 'x10.2.2' "
                     "AND value = ?",
                     {alias});
    }
};

TEST_F(PersonPagesTest, ARenamedPersonHasThePageOfItsNewAliasAloneAndLetterCaseNamesNoOtherPerson)
{
    addPerson("jdoe");
    addPerson("mm");
    struct Case {
        const char *what;
        std::function<void()> act;
        QStringList pages;  // the back folder's person pages afterwards
    } cases[] = {
        {"a rename", [&] { rename(person("jdoe"), "jsmith"); }, {"per-jsmith.html", "per-mm.html"}},
        {"its own alias in other letters", [&] { rename(person("jsmith"), "JSmith"); }, {"per-JSmith.html", "per-mm.html"}},
        {"another's alias in other letters, renamed",
         [&] { rename(person("mm"), "jSMITH", "Another person has the alias JSmith already."); },
         {"per-JSmith.html", "per-mm.html"}},
        {"another's alias in other letters, added",
         [&] { addPerson("JSMITH", "Another person has the alias JSmith already."); },
         {"per-JSmith.html", "per-mm.html"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        c.act();
        EXPECT_EQ(pages(), c.pages);
    }
    EXPECT_TRUE(contents(back() + "per-JSmith.html").contains("<strong>Alias:</strong> JSmith\r\n"));
    EXPECT_EQ(count("SELECT count(*) FROM elements WHERE categoryID = 'x10.2.2'"), 2);
}

TEST_F(PersonPagesTest, APersonAStopLeftWithoutItsPageGetsItWhenTheTermbaseOpens)
{
    // The record committed, the page still beside its place under its own name.
    const qint64 p1 = record("x10.2.2", Persons, "P1");
    record("x10.2.2.3", p1, "checker");
    writeFile(back() + ".~per-P1.html.9f3a", "half a page");
    writeFile(back() + "per-mm.html", "kept as it is");
    record("x10.2.2", Persons, "mm");
    const QString path = TermbasePath;
    editor->mnuFileClose->trigger();
    files.answer(path);
    editor->mnuFileOPen->trigger();
    ASSERT_EQ(TermbasePath, path);
    EXPECT_EQ(pages(), (QStringList{"per-P1.html", "per-mm.html"}));
    EXPECT_TRUE(contents(back() + "per-P1.html").contains("<strong>Role: </strong>checker\r\n"));
    EXPECT_EQ(contents(back() + "per-mm.html"), "kept as it is") << "a page there is not written again";
    EXPECT_FALSE(QFile::exists(back() + ".~per-P1.html.9f3a"));
}
