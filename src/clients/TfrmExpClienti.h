#pragma once

#include "reports/GridScreen.h"
#include "ui_TfrmExpClienti.h"

// Every client of the archive, in file order, exported to "Clienti.xls".
class TfrmExpClienti final : public GridScreen, public Ui::TfrmExpClienti
{
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget* parent = nullptr);

protected:
    void FormShow() override;
};

extern TfrmExpClienti* frmExpClienti;
