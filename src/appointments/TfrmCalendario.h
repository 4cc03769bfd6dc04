#pragma once

#include "app/Screen.h"
#include "ui_TfrmCalendario.h"

// The date picker: the only way a date reaches the appointment card's
// read-only date field. lblMemory holds the caller's tag; "data" is the card.
class TfrmCalendario final : public ModalScreen, public Ui::TfrmCalendario
{
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* parent = nullptr);

private:
    void btnImportaDataClick();
    void btnAnnullaClick();
};

extern TfrmCalendario* frmCalendario;
