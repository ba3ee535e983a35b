// Boxes whose typed characters pass through a key handler: a line edit and an editable
// combo box, each typed into, pasted into and dropped onto as a user does.

#include "support/UserKeys.h"
#include "ui/TypedKeyFilter.h"

#include <QInputMethodEvent>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The identifier rule, written out here so that this test needs no ontology.
int identifierKey(int key)
{
    if (key >= 'a' && key <= 'z')
        return key - 'a' + 'A';
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || key == 8)
        return key;
    if (key == ' ' || key == '-' || key == '_')
        return '-';
    return 0;
}

class TypedKeysTest : public ::testing::Test {
protected:
    QWidget window;
    QLineEdit *edit = new QLineEdit(&window);
    QComboBox *combo = new QComboBox(&window);
    QPushButton *next = new QPushButton(QStringLiteral("Next"), &window);
    std::vector<int> enterSeen;

    void SetUp() override
    {
        combo->setEditable(true);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(combo);
        layout->addWidget(next);
        installTypedKeyFilter(edit, identifierKey);
        installTypedKeyFilter(combo, [this](int key) {
            if (key != 13)
                return identifierKey(key);
            enterSeen.push_back(key);
            return key;
        }, {EnterKey::ToHandler});
    }
};

TEST_F(TypedKeysTest, EveryWayInFollowsTheHandlerInALineEditAndAComboBox)
{
    keys::runKeyCases(&window, edit, [this] { return edit->text(); }, [this](const QString &t) { edit->setText(t); },
                      keys::identifierKeyCases());
    keys::runKeyCases(&window, combo, [this] { return combo->currentText(); },
                      [this](const QString &t) { combo->setEditText(t); }, keys::identifierKeyCases());
}

TEST_F(TypedKeysTest, ComposedTextFollowsTheHandler)
{
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (QWidget *box : {static_cast<QWidget *>(edit), static_cast<QWidget *>(combo)}) {
        box->setFocus();
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("ab c!"));
        QCoreApplication::sendEvent(keys::focus(), &composed);
    }
    EXPECT_EQ(edit->text(), QStringLiteral("AB-C"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("AB-C"));
}

TEST_F(TypedKeysTest, EnterEscapeAndTabPassOn)
{
    keys::expectKeysPassOn(&window, edit);
    keys::expectKeysPassOn(&window, combo);
    // Offered to the handler, Enter still goes on unless the handler stops it.
    EXPECT_EQ(enterSeen, (std::vector<int>{13, 13}));
}

TEST_F(TypedKeysTest, AHandlerThatStopsEnterKeepsItFromTheWindow)
{
    QLineEdit box(&window);
    window.layout()->addWidget(&box);
    int entered = 0;
    installTypedKeyFilter(&box, [&entered](int key) { return key == 13 ? (++entered, 0) : key; }, {EnterKey::ToHandler});
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box.setFocus();
    keys::KeysReachingWindow reached(&window);
    keys::press(Qt::Key_Return);
    keys::pressKeypadEnter();
    EXPECT_EQ(entered, 2);
    EXPECT_TRUE(reached.keys.empty());
}

// The box's context menu is the filter's own: each item does what it says, its Paste
// through the handler, in a line edit and in an editable combo box's line edit.
TEST_F(TypedKeysTest, EveryItemOfTheContextMenuDoesWhatItSays)
{
    // Opens the menu with a right click on the box and chooses the item.
    const auto choose = [](QLineEdit *line, const QString &item) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, line->rect().center(), line->mapToGlobal(line->rect().center()));
        QCoreApplication::sendEvent(line, &click);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu) {
            ADD_FAILURE() << "no context menu";
            return;
        }
        QAction *chosen = nullptr;
        for (QAction *a : menu->actions())
            if (a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')) == item)
                chosen = a;
        if (!chosen)
            ADD_FAILURE() << "no item " << item.toStdString();
        else if (!chosen->isEnabled())
            ADD_FAILURE() << "item " << item.toStdString() << " is disabled";
        else
            chosen->trigger();
        menu->close();
    };
    struct Case {
        const char *what;
        QStringList items;  // chosen in turn
        QString after;
        QString clipboard;  // after, as the items left it
    } cases[] = {
        {"Paste", {"Paste"}, "ABX-Y", "x y!"},
        {"Undo of a paste", {"Paste", "Undo"}, "AB", "x y!"},
        {"Select All and Cut", {"Select All", "Cut"}, "", "AB"},
        {"Select All and Copy", {"Select All", "Copy"}, "AB", "AB"},
        {"Select All and Delete", {"Select All", "Delete"}, "", "x y!"},
        {"Select All and Paste over it", {"Select All", "Paste"}, "X-Y", "x y!"},
    };
    for (QLineEdit *line : {edit, combo->lineEdit()}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(line == edit ? "line edit: " : "combo box: ") + c.what);
            keys::focusBox(line == edit ? static_cast<QWidget *>(edit) : combo);
            line->setText("AB");
            QApplication::clipboard()->setText("x y!");
            for (const QString &item : c.items)
                choose(line, item);
            EXPECT_EQ(line->text(), c.after);
            EXPECT_EQ(QApplication::clipboard()->text(), c.clipboard);
        }
    }
}

}  // namespace
