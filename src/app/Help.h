#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// The help texts of the screens that have a help button, and the help window
// that shows them. Each text is made of paragraphs separated by "\r\n\r\n".
namespace Help {
struct Topic
{
    QString title;
    QString text;
};

Topic launcher();          // "Uno sguardo a Brivanta"
Topic clients();           // "App Clienti e Trattamenti"
Topic appointments();      // "App Schedario Appuntamenti"
Topic agenda();            // "App Agenda Appuntamenti"
Topic clientExport();      // "Esportazione archivio clienti in Excel"
Topic appointmentExport(); // "Esportazione archivio appuntamenti in Excel"
Topic grids();             // "Visualizzazione appuntamenti"

// The manual "Guida.pdf": one chapter per topic, in the order of the overview.
// Its first chapter keeps only the overview's own paragraphs, since each app
// has a chapter of its own there.
struct Chapter
{
    QString title;
    QStringList paragraphs;
};
QList<Chapter> manual();

// Opens a new help window owned by owner, showing topic, modally.
void open(QWidget* owner, const Topic& topic);
} // namespace Help
