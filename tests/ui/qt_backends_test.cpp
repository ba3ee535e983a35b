#include "support/FormsCleanup.h"
#include "support/StrictBackends.h"
#include "db/Error.h"
#include "support/TestFolder.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"
#include "ui/InputBox.h"
#include "ui/ModalRunner.h"
#include "ui/MsgBox.h"
#include "ui/PopupMenu.h"
#include "ui/QtBackends.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Acts on the modal dialog that the code under test is about to run, from inside its event
// loop. Gives up, closing whatever dialog is up, if none appears.
void whenModal(std::function<void(QWidget *)> act, int attempts = 200)
{
    QTimer::singleShot(0, [act, attempts] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            act(w);
        } else if (attempts > 0) {
            whenModal(act, attempts - 1);
        } else {
            ADD_FAILURE() << "no modal dialog appeared";
            for (QWidget *t : QApplication::topLevelWidgets())
                if (auto *d = qobject_cast<QDialog *>(t); d && d->isVisible())
                    d->reject();
        }
    });
}

class QtBackends : public ::testing::Test {
protected:
    void SetUp() override { ui::installQtBackends(); }
    void TearDown() override
    {
        installStrictBackends();
        installStrictPopupMenus();
        ui::setModalRunner(nullptr);
    }
    FormsCleanup cleanup;
};

}  // namespace

TEST_F(QtBackends, MessageBoxesShowTheTextPlainWithTheirButtonsAndIcon)
{
    struct Case {
        ui::Buttons buttons;
        ui::Icon icon;
        QMessageBox::StandardButtons shown;
        QMessageBox::Icon shownIcon;
        QMessageBox::StandardButton click;
        ui::Answer answer;
    } cases[] = {
        {ui::Buttons::Ok, ui::Icon::None, QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok, ui::Answer::Ok},
        {ui::Buttons::OkCancel, ui::Icon::Critical, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Critical,
         QMessageBox::Cancel, ui::Answer::Cancel},
        {ui::Buttons::YesNo, ui::Icon::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
         QMessageBox::No, ui::Answer::No},
        {ui::Buttons::YesNoCancel, ui::Icon::Exclamation, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::Warning, QMessageBox::Yes, ui::Answer::Yes},
        {ui::Buttons::RetryCancel, ui::Icon::Information, QMessageBox::Retry | QMessageBox::Cancel,
         QMessageBox::Information, QMessageBox::Retry, ui::Answer::Retry},
        {ui::Buttons::AbortRetryIgnore, ui::Icon::None, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
         QMessageBox::NoIcon, QMessageBox::Ignore, ui::Answer::Ignore},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.buttons));
        whenModal([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), "A maximum of 25 characters\nis allowed for <b>the name</b>");
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->windowTitle(), "Properties");
            EXPECT_EQ(box->standardButtons(), c.shown);
            EXPECT_EQ(box->icon(), c.shownIcon);
            box->button(c.click)->click();
        });
        EXPECT_EQ(ui::msgBox("A maximum of 25 characters\r\nis allowed for <b>the name</b>", c.buttons, c.icon,
                             "Properties"),
                  c.answer);
    }
}

TEST_F(QtBackends, InputBoxesGiveTheTextOrNothingOnCancel)
{
    whenModal([](QWidget *w) {
        auto *dialog = qobject_cast<QInputDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->labelText(), "Name of the\nperson");
        EXPECT_EQ(dialog->textValue(), "Smith");
        EXPECT_EQ(dialog->windowTitle(), "Persons");
        dialog->setTextValue("Jones");
        dialog->accept();
    });
    EXPECT_EQ(ui::inputBox("Name of the\r\nperson", "Persons", "Smith"), std::optional<QString>("Jones"));

    whenModal([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
    EXPECT_EQ(ui::inputBox("Name", "Persons", "Smith"), std::nullopt);
}

TEST_F(QtBackends, TheSaveDialogNeverAsksToReplaceAFile)
{
    TestFolder dir;
    const QString existing = dir.write("Foods.ont", "not empty");
    ui::CommonDialog dlg;
    dlg.cancelError = true;
    dlg.filter = "Ontology Files (*.ont)|*.ont|All files (*.*)|*.*|";
    dlg.filterIndex = 2;
    dlg.defaultExt = "ont";
    dlg.initDir = dir.path();
    dlg.dialogTitle = "New ontology";

    whenModal([&](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"Ontology Files (*.ont)", "All files (*)"}));
        EXPECT_EQ(dialog->selectedNameFilter(), "All files (*)");
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
        EXPECT_EQ(dialog->windowTitle(), "New ontology");
        dialog->selectFile(existing);
        // A question of the dialog's own would come up inside accept(): answer it and fail.
        QTimer::singleShot(0, dialog, [dialog] {
            if (QWidget *asked = QApplication::activeModalWidget(); asked && asked != dialog) {
                ADD_FAILURE() << "the dialog asked something of its own";
                qobject_cast<QDialog *>(asked)->reject();
            }
        });
        static_cast<QDialog *>(dialog)->accept();  // what its Save button does
        if (dialog->isVisible())
            dialog->reject();
    });
    EXPECT_TRUE(dlg.showSave());
    EXPECT_EQ(QFileInfo(dlg.fileName), QFileInfo(existing));
    EXPECT_EQ(dlg.filterIndex, 2);

    whenModal([](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        dialog->reject();
    });
    try {
        dlg.showOpen();
        ADD_FAILURE() << "a cancelled dialog raised nothing";
    } catch (const db::DbError &e) {
        EXPECT_EQ(e.number(), db::err::DialogCancelled);
    }
}

TEST(QtNameFilters, OneQtFilterPerPairWithThePatternsItFiltersBy)
{
    struct Case {
        const char *filter;
        QStringList expected;
    } cases[] = {
        {"Ontology Files (*.ont)|*.ont|All files (*.*)|*.*|", {"Ontology Files (*.ont)", "All files (*)"}},
        {"Lexvarin TB files (*.lxb)|*.lxb|", {"Lexvarin TB files (*.lxb)"}},
        {"Pictures (*.jpg;*.gif)|*.jpg;*.gif|", {"Pictures (*.jpg *.gif)"}},
        {"Web pages|*.htm;*.html", {"Web pages (*.htm *.html)"}},
        {"Anything|", {"Anything (*)"}},
        {"", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(ui::qtNameFilters(c.filter), c.expected);
    }
}

namespace {
class Dialog : public ui::Form {
public:
    explicit Dialog(const QString &caption) : Form(new QWidget) { setCaption(caption); }
};
}  // namespace

TEST_F(QtBackends, TheEventLoopRunnerReturnsOnHideAndUnloadAndNests)
{
    auto main = std::make_shared<Dialog>("Ontology Editor");
    main->show();
    auto outer = std::make_shared<Dialog>("Add Concept");
    auto inner = std::make_shared<Dialog>("Add Inverse Relation");
    QStringList order;
    QTimer::singleShot(0, [&] {
        order << "outer running";
        QTimer::singleShot(0, [&] {
            order << "inner running";
            inner->unload();
        });
        inner->showModal(*outer);
        order << "inner returned";
        outer->hide();
    });
    outer->showModal(*main);
    order << "outer returned";
    EXPECT_EQ(order, (QStringList{"outer running", "inner running", "inner returned", "outer returned"}));
    EXPECT_TRUE(outer->isLoaded());
    EXPECT_FALSE(inner->isLoaded());
}
