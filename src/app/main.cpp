#include "ui/QtBackends.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexvarin"));
    ui::installQtBackends();
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    return app.exec();
}
