#pragma once

#include "appointments/StatusListScreen.h"
#include "ui_TfrmAssolti.h"

// The appointments already fulfilled.
class TfrmAssolti final : public StatusListScreen, public Ui::TfrmAssolti
{
    Q_OBJECT
public:
    explicit TfrmAssolti(QWidget* parent = nullptr);
};

extern TfrmAssolti* frmAssolti;
