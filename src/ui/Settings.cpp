#include "Settings.h"

#include <QDir>
#include <QSettings>
#include <memory>

namespace ui {

namespace {
QString &folder()
{
    static QString f;
    return f;
}

std::unique_ptr<QSettings> open(const QString &appName)
{
    if (!folder().isEmpty())
        return std::make_unique<QSettings>(QDir(folder()).filePath(appName + QStringLiteral(".ini")),
                                           QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Lexvarin"),
                                       appName);
}

QString keyOf(const QString &section, const QString &key) { return section + QLatin1Char('/') + key; }
}  // namespace

void setSettingsFolder(const QString &f) { folder() = f; }

QString GetSetting(const QString &appName, const QString &section, const QString &key, const QString &defaultValue)
{
    return open(appName)->value(keyOf(section, key), defaultValue).toString();
}

void SaveSetting(const QString &appName, const QString &section, const QString &key, const QString &value)
{
    open(appName)->setValue(keyOf(section, key), value);
}

}  // namespace ui
