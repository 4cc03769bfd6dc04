#pragma once

#include "reports/GridScreen.h"
#include "ui_TfrmExpScadenzario.h"

// Every appointment of the archive, in file order, exported to
// "Riepilogo_Appuntamenti.xls".
class TfrmExpScadenzario final : public GridScreen, public Ui::TfrmExpScadenzario
{
    Q_OBJECT
public:
    explicit TfrmExpScadenzario(QWidget* parent = nullptr);

protected:
    void FormShow() override;
};

extern TfrmExpScadenzario* frmExpScadenzario;
