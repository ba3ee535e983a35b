#pragma once
// The main window loaded in a temporary program folder, with every message box, file
// dialog and modal window answered by the test's script. newOntology() goes through New as
// a user would and leaves the ontology open.

#include "app/frmProperties.h"
#include "editor/frmOntoEdit.h"
#include "ontology/Global.h"
#include "support/FormsCleanup.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedModals.h"
#include "support/TestFolder.h"
#include "ui/App.h"
#include "ui/Settings.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

class MainWindowTest : public ::testing::Test {
protected:
    TestFolder dir;
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs files;
    ScriptedModals modals;
    std::shared_ptr<frmOntoEdit> main;

    void SetUp() override
    {
        ui::setAppPath(dir.path());
        // Windows that keep their geometry keep it here, not in the user's settings.
        ui::setSettingsFolder(dir.path());
        main = std::make_shared<frmOntoEdit>();
        main->load();
    }

    void TearDown() override
    {
        // Unloading the main window closes the ontology, while the scripts still answer.
        FormsCleanup::unloadAll();
        main.reset();
        ui::setSettingsFolder({});
        ui::setAppPath({});
    }

    // Where New and Open look first.
    QString ontologies(const QString &fileName = {}) const
    {
        return QDir::toNativeSeparators(QDir(dir.path()).filePath(QStringLiteral("Ontologies/") + fileName));
    }

    // New, answered with the file and the name, leaving the new ontology open.
    void newOntology(const QString &name, const QString &fileName)
    {
        files.answer(ontologies(fileName));
        modals.expect<frmProperties>([name](frmProperties &d) {
            d.txtName->setText(name);
            d.cmdOK->click();
        });
        boxes.expect(QStringLiteral(" has been created!"));
        main->mnuFileNew_Click();
        ASSERT_EQ(OntologyPath, ontologies(fileName));
    }

    // The main window shown and active, on the tab that holds the pane, so that the
    // user can click the pane.
    void showPane(QWidget *pane)
    {
        main->show();
        QApplication::setActiveWindow(main->window());
        for (int i = 0; i < main->tbsEdit->count(); ++i)
            if (main->tbsEdit->widget(i)->isAncestorOf(pane))
                main->tbsEdit->setCurrentIndex(i);
        ASSERT_TRUE(pane->isVisible());
    }

    // Open through the dialog, answered with path.
    void openOntology(const QString &path)
    {
        files.answer(path);
        main->mnuFileOPen_Click();
    }
};
