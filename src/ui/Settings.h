#pragma once
// Per-user settings kept between runs (window positions and the like), by application
// name, section and key. Values are text; callers convert.

#include <QString>

namespace ui {

QString GetSetting(const QString &appName, const QString &section, const QString &key,
                   const QString &defaultValue = {});
void SaveSetting(const QString &appName, const QString &section, const QString &key, const QString &value);

// Tests keep their settings in a folder of their own; empty restores the user's store.
void setSettingsFolder(const QString &folder);

}  // namespace ui
