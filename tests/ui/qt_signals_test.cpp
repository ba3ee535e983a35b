// The windows connect their change and click handlers straight to these Qt signals, with no
// wrapper, because for these controls Qt already fires exactly when the value really
// changes, whether code or the user changed it. QPlainTextEdit and QTextEdit are the
// exception: they report a write of the same text as a change, so a multi-line box with a
// change handler would need a guard. Should Qt change, this is where it shows.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QWidget>
#include <gtest/gtest.h>

TEST(QtSignals, FireOnlyOnRealChangesFromCode)
{
    QLineEdit txtCptSearch;
    int changes = 0;
    QObject::connect(&txtCptSearch, &QLineEdit::textChanged, [&] { ++changes; });
    for (const char *t : {"CAR", "CAR", "", "", "Search...", "Search..."})
        txtCptSearch.setText(t);
    EXPECT_EQ(changes, 3) << "a write of the text the box holds is no change";

    QComboBox cbxFind;
    cbxFind.setEditable(true);
    changes = 0;
    QObject::connect(&cbxFind, &QComboBox::editTextChanged, [&] { ++changes; });
    for (const char *t : {"WHEEL", "WHEEL", ""})
        cbxFind.setEditText(t);
    EXPECT_EQ(changes, 2);

    QCheckBox chkActiveAnc;
    int clicks = 0;
    QObject::connect(&chkActiveAnc, &QCheckBox::toggled, [&] { ++clicks; });
    for (bool v : {true, true, false, false})
        chkActiveAnc.setChecked(v);
    EXPECT_EQ(clicks, 2) << "a value set from code runs the handler when it changes";

    QPlainTextEdit txtNote;
    changes = 0;
    QObject::connect(&txtNote, &QPlainTextEdit::textChanged, [&] { ++changes; });
    txtNote.setPlainText("note");
    txtNote.setPlainText("note");
    EXPECT_EQ(changes, 2) << "multi-line boxes report the same text again";
}

TEST(QtSignals, AnOptionGroupReportsTheOptionThatWasSelected)
{
    QWidget frame;
    QRadioButton optOff(&frame), optCumulative(&frame), optExclusive(&frame);
    QButtonGroup group;
    group.addButton(&optOff, 0);
    group.addButton(&optCumulative, 1);
    group.addButton(&optExclusive, 2);
    std::vector<int> selected;
    QObject::connect(&group, &QButtonGroup::idToggled, [&](int id, bool on) {
        if (on)
            selected.push_back(id);
    });
    optOff.setChecked(true);
    optExclusive.setChecked(true);
    optExclusive.setChecked(true);
    optOff.setChecked(true);
    EXPECT_EQ(selected, (std::vector<int>{0, 2, 0}));
}
