#pragma once

#include "app/Screen.h"
#include "ui_TfrmAvvio.h"

class TfrmAvvio final : public TopLevelScreen, public Ui::TfrmAvvio
{
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget* parent = nullptr);

protected:
    // Closing the launcher ends the program.
    void FormClose() override;

private:
    void imgApp01Click();
    void imgApp02Click();
    void imgInfoClick();
    void imgMarchioClick();
    void imgGuidaClick();
    void imgSitoClick();
    void imgEsciClick();
};

extern TfrmAvvio* frmAvvio;
