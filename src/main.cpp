#include "app/Screens.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Screens::createAll();
    Screens::all().constFirst()->show();
    const int result = application.exec();
    Screens::destroyAll();
    return result;
}
