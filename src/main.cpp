#include "app/Screens.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setWindowIcon(QIcon(QStringLiteral(":/pictures/icona.svg")));
    Screens::createAll();
    Screens::all().constFirst()->show();
    const int result = application.exec();
    Screens::destroyAll();
    return result;
}
