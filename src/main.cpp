#include "app/Installation.h"
#include "app/Screens.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivanta"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/install/brivanta.svg")));
    if (!Installation::ensureWritableFolder())
        return 0;
    Screens::createAll();
    Screens::all().constFirst()->show();
    const int result = application.exec();
    Screens::destroyAll();
    return result;
}
