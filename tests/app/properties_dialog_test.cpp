// The properties dialog refuses what the file cannot hold, and stays open until it may close.

#include "app/frmProperties.h"
#include "support/FormsCleanup.h"
#include "support/ScriptedMessageBoxes.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(PropertiesDialog, RefusesAndStaysOpenOrHidesWithTheBoxesKept)
{
    ScriptedMessageBoxes boxes;
    FormsCleanup cleanup;
    struct Case {
        const char *what;
        QLineEdit *frmProperties::*box;
        QString value;
        const char *message;  // nullptr: accepted
    } cases[] = {
        {"empty name", &frmProperties::txtName, "", "You MUST specify a name."},
        {"long name", &frmProperties::txtName, QString(26, 'x'), "A maximum of 25 characters\r\nis allowed for the name"},
        {"name with a slash", &frmProperties::txtName, "a/b", "folder name"},
        {"name of dots", &frmProperties::txtName, "..", "folder name"},
        {"long owner", &frmProperties::txtOwner, QString(151, 'o'), "A maximum of 150 characters"},
        {"long author", &frmProperties::txtAuthor, QString(201, 'a'), "A maximum of 200 characters"},
        {"long description", &frmProperties::txtDescription, QString(256, 'd'), "A maximum of 255 characters"},
        {"long contact", &frmProperties::txtContact, QString(151, 'c'), "A maximum of 150 characters"},
        {"created no date", &frmProperties::txtCreated, "13/13/2013", "Created must be a date"},
        {"modified no date", &frmProperties::txtModified, "2023-02-29", "Modified must be a date"},
        {"all fine", &frmProperties::txtDescription, QString(255, 'd'), nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const auto d = std::make_shared<frmProperties>();
        d->show();
        d->setTexts({"Zoo", "2024-01-31", "2024-02-29", "", "", "", ""});
        (d.get()->*c.box)->setText(c.value);
        if (c.message)
            boxes.expect(c.message);
        d->cmdOK->click();
        if (c.message) {
            EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Exclamation);
            EXPECT_TRUE(d->isShown());
            EXPECT_FALSE(d->confirmed());
        } else {
            EXPECT_FALSE(d->isShown());
            EXPECT_TRUE(d->isLoaded()) << "hidden, so the caller can read the boxes";
            EXPECT_TRUE(d->confirmed());
            EXPECT_EQ(d->texts().Description, c.value);
        }
        d->unload();
    }
}

// Only a new termbase's dialog shows a working ontology, and it cannot be typed over.
TEST(PropertiesDialog, TheWorkingOntologyIsShownOnlyWhenAskedAndReadOnly)
{
    FormsCleanup cleanup;
    const auto ontology = std::make_shared<frmProperties>();
    ontology->load();
    ontology->show();
    EXPECT_FALSE(ontology->txtWOntology->isVisible());

    const auto termbase = std::make_shared<frmProperties>();
    termbase->load();
    termbase->showWorkingOntology("/data/Ontologies/kinship.ont");
    termbase->show();
    EXPECT_TRUE(termbase->txtWOntology->isVisible());
    EXPECT_TRUE(termbase->txtWOntology->isReadOnly());
    EXPECT_EQ(termbase->txtWOntology->text(), "/data/Ontologies/kinship.ont");
    EXPECT_EQ(termbase->texts().Name, "") << "the path is not one of the properties";
}
