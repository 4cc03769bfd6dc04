#include "app/TfrmInfo.h"

#include "app/Look.h"
#include "app/Settings.h"
#include "app/TMisc.h"

TfrmInfo* frmInfo = nullptr;

TfrmInfo::TfrmInfo(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
    Look::setGradient(this, Look::blush);
    Look::setSection(shpSepara, Look::rose);
    Look::setPicture(imgLogo, QStringLiteral("logo"));
    Look::setPicture(imgInfo, QStringLiteral("info"));
    Look::setPicture(imgEmail, QStringLiteral("email"));
    lnkWeb->setText(Settings::makerEmail());
    Look::connectLink(
        lnkWeb, imgEmail, [this] { lnkWebMouseDown(); }, [this] { lnkWebMouseUp(); }, [this] { lnkWebClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);
}

void TfrmInfo::lnkWebClick()
{
    Look::linkUp(lnkWeb);
    TMisc::Open(QStringLiteral("\"mailto:") + Settings::makerEmail() + QStringLiteral("?subject=") +
                QStringLiteral("Software Brivanta") + QStringLiteral("&body=") +
                QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:") +
                QStringLiteral("\""));
}

void TfrmInfo::lnkWebMouseDown()
{
    Look::linkDown(lnkWeb);
}

void TfrmInfo::lnkWebMouseUp()
{
    Look::linkUp(lnkWeb);
}

void TfrmInfo::btnChiudiClick()
{
    close();
}
