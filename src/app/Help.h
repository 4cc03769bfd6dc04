#pragma once

#include <QString>

class QWidget;

// The help texts of the screens that have a help button, and the help window
// that shows them. Each text is made of paragraphs separated by "\r\n\r\n".
namespace Help {
struct Topic {
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

// Opens a new help window owned by owner, showing topic, modally.
void open(QWidget* owner, const Topic& topic);
} // namespace Help
