#include "Main.h"
#include "app/Version.h"
#include "ui/Forms.h"
#include "ui/QtBackends.h"

#include <QApplication>
#include <QEvent>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexvarin"));
    QApplication::setApplicationVersion(versionText());
    ui::installQtBackends();
    Main();
    const int rc = app.exec();
    // The windows go while the application they belong to still exists.
    for (const auto &form : ui::forms().snapshot())
        form->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return rc;
}
