#include "app/TfrmSplash.h"

#include "app/Look.h"
#include "app/Settings.h"
#include "app/TMisc.h"

TfrmSplash* frmSplash = nullptr;

TfrmSplash::TfrmSplash(QWidget* parent) : ModalScreen(parent, Placement::Owner)
{
    setupUi(this);
    Look::setGradient(this, Look::blush);
    Look::setPicture(imgLogo, QStringLiteral("copertina"));
    Look::setPicture(imgWeb, QStringLiteral("globo"));
    lnkWeb->setText(Settings::makerWebSite());
    Look::connectLink(
        lnkWeb, imgWeb, [this] { lnkWebMouseDown(); }, [this] { lnkWebMouseUp(); }, [this] { lnkWebClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
}

void TfrmSplash::lnkWebClick()
{
    Look::linkUp(lnkWeb);
    TMisc::Open(Settings::makerWebSite());
}

void TfrmSplash::lnkWebMouseDown()
{
    Look::linkDown(lnkWeb);
}

void TfrmSplash::lnkWebMouseUp()
{
    Look::linkUp(lnkWeb);
}

void TfrmSplash::btnChiudiClick()
{
    close();
}
