#pragma once

#include "appointments/StatusListScreen.h"
#include "ui_TfrmConfermati.h"

// The appointments still to fulfil, past and future.
class TfrmConfermati final : public StatusListScreen, public Ui::TfrmConfermati
{
    Q_OBJECT
public:
    explicit TfrmConfermati(QWidget* parent = nullptr);
};

extern TfrmConfermati* frmConfermati;
