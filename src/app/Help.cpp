#include "app/Help.h"

#include "app/TfrmGuida.h"

Help::Topic Help::launcher()
{
    return {QStringLiteral("Uno sguardo a Brivanta"), QString()};
}

Help::Topic Help::clients()
{
    return {QStringLiteral("App Clienti e Trattamenti"), QString()};
}

Help::Topic Help::appointments()
{
    return {QStringLiteral("App Schedario Appuntamenti"), QString()};
}

Help::Topic Help::agenda()
{
    return {QStringLiteral("App Agenda Appuntamenti"), QString()};
}

Help::Topic Help::clientExport()
{
    return {QStringLiteral("Esportazione archivio clienti in Excel"), QString()};
}

Help::Topic Help::appointmentExport()
{
    return {QStringLiteral("Esportazione archivio appuntamenti in Excel"), QString()};
}

Help::Topic Help::grids()
{
    return {QStringLiteral("Visualizzazione appuntamenti"), QString()};
}

void Help::open(QWidget* owner, const Topic& topic)
{
    TfrmGuida guida(owner);
    guida.setWindowTitle(guida.windowTitle());
    Q_UNUSED(topic)
    guida.exec();
}
