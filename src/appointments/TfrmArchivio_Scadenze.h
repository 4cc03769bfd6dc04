#pragma once

#include "app/Screen.h"
#include "ui_TfrmArchivio_Scadenze.h"

class TfrmArchivio_Scadenze final : public TopLevelScreen, public Ui::TfrmArchivio_Scadenze
{
    Q_OBJECT
public:
    explicit TfrmArchivio_Scadenze(QWidget* parent = nullptr);
};

extern TfrmArchivio_Scadenze* frmArchivio_Scadenze;
