#pragma once

#include "app/Screen.h"
#include "reportengine/Report.h"

class QAbstractButton;

// What the two appointment printing windows share: the sheet repDocumento,
// filled from the appointment card's controls as they stand (saved or not,
// the archive is not read) when btnStampa is pressed, then handed to the
// window's output; either button closes the window.
class AppointmentSheetScreen : public ModalScreen
{
    Q_OBJECT
public:
    Report repDocumento;

protected:
    explicit AppointmentSheetScreen(QWidget* parent);

    // Called once the form is set up.
    void connectButtons(QAbstractButton* btnAnnulla, QAbstractButton* btnStampa);
    // Prints or previews the prepared sheet.
    virtual void output() = 0;

private:
    void btnAnnullaClick();
    void btnStampaClick();
    void fillFromCard();
};
