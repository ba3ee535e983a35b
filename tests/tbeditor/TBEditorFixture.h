#pragma once
// The termbase editor shown beside the main window, with a working ontology open that New
// made, in a temporary program folder. Every message box, file dialog and modal window is
// answered by the test's script.

#include "support/MainWindowFixture.h"
#include "tbeditor/frmTBEDitor.h"
#include "termbase/Global.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QFile>
#include <QTest>

class TBEditorTest : public MainWindowTest {
protected:
    std::shared_ptr<frmTBEDitor> editor;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        newOntology(QStringLiteral("Kinship"), QStringLiteral("kinship.ont"));
        OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('DOG', 1, 1), ('CAT', 1, 1)");
        editor = ui::loadedOrNew<frmTBEDitor>();
        editor->show();
        activate();
    }

    // The editor is the active window, as the user who clicks into it has it, once the
    // windows shown meanwhile (a wait window, a dialog) are gone.
    void activate()
    {
        QCoreApplication::processEvents();
        QApplication::setActiveWindow(editor->window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor->window()));
    }

    void TearDown() override
    {
        editor.reset();
        MainWindowTest::TearDown();
    }

    // Where termbases are made and looked for first.
    QString termbases(const QString &fileName = {}) const
    {
        return QDir::toNativeSeparators(QDir(dir.path()).filePath(QStringLiteral("TermBases/") + fileName));
    }

    // New, answered with the file and the name, leaving the new termbase open.
    void newTermbase(const QString &name, const QString &fileName = QStringLiteral("kin.lxb"))
    {
        files.answer(termbases(fileName));
        modals.expect<frmProperties>([name](frmProperties &d) {
            d.txtName->setText(name);
            d.cmdOK->click();
        });
        boxes.expect(QStringLiteral(" has been created!"));
        editor->mnuFileNew_Click();
        ASSERT_EQ(TermbasePath, termbases(fileName));
    }

    // A termbase made by New and closed again.
    QString closedTermbase(const QString &name, const QString &fileName)
    {
        newTermbase(name, fileName);
        editor->mnuFileClose_Click();
        return termbases(fileName);
    }

    // Open through the dialog, answered with path.
    void openTermbase(const QString &path)
    {
        files.answer(path);
        editor->mnuFileOPen_Click();
    }
};

inline void editFile(const QString &path, const QString &sql, const QVariantList &params = {})
{
    db::Database d = db::Database::open(path);
    d.execute(sql, params);
}

inline QVariant fileValue(const QString &path, const QString &sql, const QVariantList &params = {})
{
    db::OpenOptions readOnly;
    readOnly.readOnly = true;
    db::Database d = db::Database::open(path, readOnly);
    return d.scalar(sql, params);
}
