#pragma once

#include "reports/ListScreen.h"
#include "ui_TfrmRicontatta.h"

// The clients marked to be contacted again, sorted by name, read once at each
// showing. A double-click brings the chosen client into the client card.
class TfrmRicontatta final : public ListScreen, public Ui::TfrmRicontatta
{
    Q_OBJECT
public:
    explicit TfrmRicontatta(QWidget* parent = nullptr);

protected:
    void FormShow() override;

private:
    void lstRecordsDblClick();
    void FormClose();
};

extern TfrmRicontatta* frmRicontatta;
