#pragma once

#include "appointments/StatusListScreen.h"
#include "ui_TfrmScaduti.h"

// The appointments whose day has gone by without being fulfilled.
class TfrmScaduti final : public StatusListScreen, public Ui::TfrmScaduti
{
    Q_OBJECT
public:
    explicit TfrmScaduti(QWidget* parent = nullptr);
};

extern TfrmScaduti* frmScaduti;
