#include "App.h"

#include <QCoreApplication>

namespace ui {

namespace {
QString &title()
{
    static QString t = QStringLiteral("Lexvarin");
    return t;
}
QString &path()
{
    static QString p;
    return p;
}
}  // namespace

QString appTitle() { return title(); }
void setAppTitle(const QString &t) { title() = t; }

QString appPath()
{
    if (path().isEmpty())
        return QCoreApplication::applicationDirPath();
    return path();
}
void setAppPath(const QString &p) { path() = p; }

}  // namespace ui
