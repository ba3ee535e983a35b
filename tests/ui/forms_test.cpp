#include "support/FormsCleanup.h"
#include "support/ScriptedModals.h"
#include "support/UserKeys.h"
#include "ui/Form.h"
#include "ui/Forms.h"

#include <QDialog>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

QStringList events;

class TestForm : public ui::Form {
public:
    explicit TestForm(const QString &caption, QWidget *window = new QWidget) : Form(window)
    {
        setCaption(caption);
    }
    QLineEdit *txtValue = new QLineEdit(window());
    bool cancelUnload = false;
    std::function<void()> whenUnloading;

protected:
    void Form_Load() override { events << "load " + caption(); }
    void Form_Unload(bool &cancel) override
    {
        events << "unload " + caption();
        if (whenUnloading)
            whenUnloading();
        cancel = cancelUnload;
    }
};

class MainForm : public TestForm {
public:
    MainForm() : TestForm("Ontology Editor") {}
};
class PickerForm : public TestForm {
public:
    explicit PickerForm(const QString &caption = "Add ISA link") : TestForm(caption) {}
};
class NamesForm : public TestForm {
public:
    NamesForm() : TestForm("Naming & Defining", new QDialog) {}
    QDialog *dialog() const { return static_cast<QDialog *>(window()); }
};

// A window whose Cancel hides it, as the find window's does.
class CancelForm : public TestForm {
public:
    explicit CancelForm(QWidget *window) : TestForm("Find", window)
    {
        cmdCancel = new QPushButton("&Cancel", this->window());
        setCancelButton(cmdCancel);
        QObject::connect(cmdCancel, &QPushButton::clicked, [this] {
            events << "cancel";
            hide();
        });
    }
    QPushButton *cmdCancel;
};

class Forms : public ::testing::Test {
protected:
    void SetUp() override { events.clear(); }
    FormsCleanup cleanup;
};

QStringList captions(const std::vector<std::shared_ptr<ui::Form>> &forms)
{
    QStringList out;
    for (const auto &f : forms)
        out << f->caption();
    return out;
}

}  // namespace

TEST_F(Forms, TheCollectionKeepsLoadOrderAndFindsByType)
{
    auto main = std::make_shared<MainForm>();
    auto picker = std::make_shared<PickerForm>();
    auto second = std::make_shared<PickerForm>("Add Domain");
    auto names = std::make_shared<NamesForm>();
    main->load();
    second->load();
    picker->show();  // showing loads
    main->load();    // loading twice changes nothing
    names->load();

    EXPECT_EQ(events, (QStringList{"load Ontology Editor", "load Add Domain", "load Add ISA link",
                                   "load Naming & Defining"}));
    ASSERT_EQ(ui::forms().count(), 4);
    EXPECT_EQ(ui::forms().at(0), main) << "the form loaded first is form 0";
    EXPECT_EQ(captions(ui::forms().snapshot()),
              (QStringList{"Ontology Editor", "Add Domain", "Add ISA link", "Naming & Defining"}));

    const auto pickers = ui::forms().ofType<PickerForm>();
    ASSERT_EQ(pickers.size(), 2u);
    EXPECT_EQ(pickers[0], second);
    EXPECT_EQ(pickers[1], picker);
    EXPECT_EQ(ui::forms().first<NamesForm>(), names);
    EXPECT_EQ(ui::forms().ofType<TestForm>().size(), 4u);

    EXPECT_EQ(ui::forms().findByCaption("Add Domain"), second);
    EXPECT_EQ(ui::forms().findByCaption("* link"), picker);
    EXPECT_EQ(ui::forms().findByCaption("Naming & Defining"), names);
    EXPECT_EQ(ui::forms().findByCaption("* LINK"), nullptr);

    second->unload();
    EXPECT_EQ(captions(ui::forms().snapshot()), (QStringList{"Ontology Editor", "Add ISA link", "Naming & Defining"}));
    EXPECT_EQ(ui::loadedOrNew<PickerForm>(), picker) << "the loaded one while there is one";
    picker->unload();
    const auto fresh = ui::loadedOrNew<PickerForm>();
    EXPECT_NE(fresh, picker);
    EXPECT_FALSE(fresh->isLoaded());
}

TEST_F(Forms, ALoopOverTheSnapshotSurvivesFormsUnloadingOthers)
{
    auto main = std::make_shared<MainForm>();
    auto tbeditor = std::make_shared<TestForm>("TermBase Editor");
    auto find = std::make_shared<PickerForm>("Find");
    auto note = std::make_shared<TestForm>("Note");
    for (const auto &f : {std::static_pointer_cast<TestForm>(main), std::static_pointer_cast<TestForm>(find), tbeditor,
                          note})
        f->load();
    tbeditor->whenUnloading = [&] { find->unload(); };  // the editor takes its own windows with it
    note->cancelUnload = true;

    const auto open = ui::forms().snapshot();
    for (size_t i = open.size() - 1; i >= 1; --i)
        open[i]->unload();

    EXPECT_EQ(events.filter("unload"), (QStringList{"unload Note", "unload TermBase Editor", "unload Find"}))
        << "each form unloads once, the one already gone is skipped";
    EXPECT_EQ(captions(ui::forms().snapshot()), (QStringList{"Ontology Editor", "Note"}))
        << "a form that cancels its unload stays";
    EXPECT_TRUE(note->isLoaded());
    note->cancelUnload = false;  // the next test starts with no form open
}

TEST_F(Forms, HideKeepsTheFormLoadedAndUnloadKeepsItReadable)
{
    auto main = std::make_shared<MainForm>();
    auto picker = std::make_shared<PickerForm>();
    main->show();
    picker->show();
    picker->txtValue->setText("CAR");

    picker->hide();
    EXPECT_TRUE(picker->isLoaded());
    EXPECT_FALSE(picker->isShown());
    EXPECT_FALSE(picker->window()->isVisible());
    EXPECT_EQ(picker->txtValue->text(), "CAR");

    picker->unload();
    EXPECT_FALSE(picker->isLoaded());
    EXPECT_EQ(ui::forms().count(), 1);
    EXPECT_EQ(picker->txtValue->text(), "CAR") << "the caller reads the controls after the unload";
    picker->unload();  // again: nothing runs
    EXPECT_EQ(events.filter("unload"), QStringList{"unload Add ISA link"});
}

TEST_F(Forms, AFormThatUnloadsItselfLivesUntilTheEventLoopRuns)
{
    std::weak_ptr<PickerForm> watch;
    {
        auto picker = std::make_shared<PickerForm>("Add Attribute");
        picker->show();  // modeless, and nobody but the open forms keeps it
        watch = picker;
    }
    ASSERT_FALSE(watch.expired());
    QString readAfterUnload;
    QObject::connect(watch.lock()->txtValue, &QLineEdit::returnPressed, [&] {
        auto self = watch.lock().get();  // what a handler of the form has: the form itself
        self->unload();
        readAfterUnload = self->txtValue->text();
    });
    watch.lock()->txtValue->setText("PART-OF");
    keys::focusBox(watch.lock()->txtValue);
    keys::press(Qt::Key_Return);
    EXPECT_EQ(readAfterUnload, "PART-OF");
    EXPECT_FALSE(watch.expired()) << "released by the event loop, not in mid-handler";
    FormsCleanup::releaseUnloaded();
    EXPECT_TRUE(watch.expired());
}

TEST_F(Forms, ClosingByTheFrameIsUnloading)
{
    auto main = std::make_shared<MainForm>();
    auto note = std::make_shared<TestForm>("Note");
    main->show();
    note->show();
    note->cancelUnload = true;
    note->window()->close();  // the close box
    EXPECT_TRUE(note->isShown()) << "the form refused to unload";
    EXPECT_TRUE(note->window()->isVisible());

    note->cancelUnload = false;
    note->window()->close();
    EXPECT_FALSE(note->isLoaded());
    EXPECT_FALSE(note->window()->isVisible());
    EXPECT_EQ(events.filter("unload"), (QStringList{"unload Note", "unload Note"}));
}

TEST_F(Forms, EscAndTheCloseBoxPressTheCancelButton)
{
    const auto escape = [](CancelForm &) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); };
    const auto closeBox = [](CancelForm &f) { f.window()->close(); };
    struct Case {
        const char *name;
        bool dialog;
        bool cancelEnabled;
        std::function<void(CancelForm &)> user;
        bool shownAfter;
    } cases[] = {
        {"Esc in a dialog", true, true, escape, false},
        {"Esc in a plain window", false, true, escape, false},
        {"the close box of a dialog", true, true, closeBox, false},
        {"the close box of a plain window", false, true, closeBox, false},
        {"Esc while Cancel is disabled", true, false, escape, true},
        {"the close box while Cancel is disabled", true, false, closeBox, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        events.clear();
        auto find = std::make_shared<CancelForm>(c.dialog ? new QDialog : new QWidget);
        find->cmdCancel->setEnabled(c.cancelEnabled);
        find->show();
        QApplication::setActiveWindow(find->window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(find->window()));
        find->txtValue->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), find->txtValue);

        c.user(*find);
        EXPECT_EQ(find->isShown(), c.shownAfter);
        EXPECT_EQ(find->window()->isVisible(), c.shownAfter);
        EXPECT_TRUE(find->isLoaded()) << "the window's Cancel hides it, and so does every way of leaving it";
        EXPECT_EQ(events.filter("cancel").size(), c.shownAfter ? 0 : 1);
        find->unload();
    }
}

TEST_F(Forms, ShowingAShownFormBringsItBack)
{
    auto navigator = std::make_shared<TestForm>("Ontology Navigator");
    navigator->show();
    navigator->window()->showMinimized();
    EXPECT_TRUE(navigator->isShown()) << "minimized is still shown";
    navigator->show();
    EXPECT_FALSE(navigator->window()->isMinimized());
    EXPECT_TRUE(navigator->window()->isVisible());
    EXPECT_EQ(events, QStringList{"load Ontology Navigator"});
}

TEST_F(Forms, AModalShowReturnsWhenTheFormIsHiddenOrUnloaded)
{
    auto main = std::make_shared<MainForm>();
    main->show();
    struct Case {
        const char *name;
        std::function<void(PickerForm &)> user;
        bool loadedAfter;
    } cases[] = {
        {"OK hides", [](PickerForm &f) { f.hide(); }, true},
        {"Cancel unloads", [](PickerForm &f) { f.unload(); }, false},
        {"the close box", [](PickerForm &f) { f.window()->close(); }, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedModals modals;
        modals.expect<PickerForm>([&](PickerForm &f) {
            EXPECT_TRUE(f.isShown());
            EXPECT_TRUE(f.window()->isModal());
            f.txtValue->setText("WHEEL");
            c.user(f);
        });
        auto picker = std::make_shared<PickerForm>();
        picker->showModal(*main);
        EXPECT_FALSE(modals.pending());
        EXPECT_FALSE(picker->isShown());
        EXPECT_EQ(picker->isLoaded(), c.loadedAfter);
        EXPECT_EQ(picker->txtValue->text(), "WHEEL");
        EXPECT_FALSE(picker->window()->isModal()) << "a later modeless show is modeless";
    }
}

TEST_F(Forms, ModalShowsNest)
{
    auto main = std::make_shared<MainForm>();
    auto addConcept = std::make_shared<TestForm>("Add Concept");
    main->show();
    addConcept->show();

    ScriptedModals modals;
    QStringList order;
    modals
        .expect<PickerForm>([&](PickerForm &relation) {
            order << "relation shown";
            auto inverse = std::make_shared<NamesForm>();
            inverse->showModal(relation);  // a dialog of the dialog
            order << "inverse returned: " + inverse->txtValue->text();
            relation.hide();
        })
        .expect<NamesForm>([&](NamesForm &inverse) {
            order << "inverse shown";
            inverse.txtValue->setText("WHOLE-OF");
            inverse.hide();
        });
    auto relation = std::make_shared<PickerForm>("Add Relation");
    relation->showModal(*addConcept);
    order << "relation returned";
    EXPECT_EQ(order, (QStringList{"relation shown", "inverse shown", "inverse returned: WHOLE-OF",
                                  "relation returned"}));
}

TEST_F(Forms, AModalShowWithoutItsScriptFailsInsteadOfHanging)
{
    auto main = std::make_shared<MainForm>();
    main->show();
    struct Case {
        const char *name;
        std::function<void(ScriptedModals &)> queue;
        const char *failure;
    } cases[] = {
        {"no script", [](ScriptedModals &) {}, "PickerForm \"Add ISA link\""},
        {"a script for another form", [](ScriptedModals &m) { m.expect<NamesForm>([](NamesForm &) {}); },
         "NamesForm was expected"},
        {"the script leaves it shown", [](ScriptedModals &m) { m.expect<PickerForm>([](PickerForm &) {}); },
         "still shown after its script"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedModals modals;
        c.queue(modals);
        auto picker = std::make_shared<PickerForm>();
        EXPECT_NONFATAL_FAILURE(picker->showModal(*main), c.failure);
        EXPECT_FALSE(picker->isLoaded()) << "closed, as by its frame";
    }
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedModals unused;
            unused.expect<PickerForm>([](PickerForm &) {});
        },
        "was never shown");
}

TEST_F(Forms, ADialogHiddenByItsOwnCodeEndsTheModalShowAndEscUnloadsOneWithoutCancel)
{
    auto main = std::make_shared<MainForm>();
    main->show();
    struct Case {
        const char *name;
        std::function<void(NamesForm &)> user;
        bool loadedAfter;  // hidden, and so read as confirmed
    } cases[] = {
        {"its own code hides it", [](NamesForm &f) { f.dialog()->accept(); }, true},
        {"Esc, as the close box does", [](NamesForm &f) { QTest::keyClick(f.txtValue, Qt::Key_Escape); }, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedModals modals;
        modals.expect<NamesForm>(c.user);
        auto names = std::make_shared<NamesForm>();
        names->showModal(*main);
        EXPECT_FALSE(modals.pending());
        EXPECT_EQ(names->isLoaded(), c.loadedAfter);
        EXPECT_FALSE(names->isShown());
        names->unload();
    }
}

TEST_F(Forms, AModalShowNeedsARunner)
{
    auto main = std::make_shared<MainForm>();
    auto picker = std::make_shared<PickerForm>();
    ui::setModalRunner(nullptr);
    EXPECT_THROW(picker->showModal(*main), std::logic_error);
    TestForm onTheStack("not shared");
    EXPECT_THROW(onTheStack.load(), std::logic_error);
}
