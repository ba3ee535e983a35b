#include "ui/Settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Settings, KeptPerApplicationSectionAndKey)
{
    QTemporaryDir dir;
    ui::setSettingsFolder(dir.path());

    EXPECT_EQ(ui::GetSetting("Lexvarin", "Settings", "Left", "120"), "120") << "nothing saved yet";
    ui::SaveSetting("Lexvarin", "Settings", "Left", "3000");
    ui::SaveSetting("Lexvarin", "Settings", "Top", "15");
    ui::SaveSetting("Lexvarin", "Other", "Left", "7");
    ui::SaveSetting("Another", "Settings", "Left", "8");

    EXPECT_EQ(ui::GetSetting("Lexvarin", "Settings", "Left", "120"), "3000");
    EXPECT_EQ(ui::GetSetting("Lexvarin", "Settings", "Top"), "15");
    EXPECT_EQ(ui::GetSetting("Lexvarin", "Other", "Left"), "7");
    EXPECT_EQ(ui::GetSetting("Another", "Settings", "Left"), "8");
    EXPECT_EQ(ui::GetSetting("Lexvarin", "Settings", "Width"), "");
    EXPECT_FALSE(QDir(dir.path()).isEmpty()) << "kept in the folder the test gave";

    ui::setSettingsFolder({});
}
