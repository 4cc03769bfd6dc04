#pragma once

#include "app/Screen.h"
#include "ui_TfrmPartitaIva.h"

class QKeyEvent;

// Checks a VAT number by its check digit and names the office that issued it.
// The opener sets txtPartitaIva before exec(); nothing is returned.
class TfrmPartitaIva final : public ModalScreen, public Ui::TfrmPartitaIva
{
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* parent = nullptr);

protected:
    void FormShow() override;

private:
    bool txtPartitaIvaKeyDown(QKeyEvent* event);
    void btnControllaClick();
    void btnChiudiClick();
};

extern TfrmPartitaIva* frmPartitaIva;
