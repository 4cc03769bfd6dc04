#include "app/TfrmAvvio.h"

#include "agenda/TfrmAgenda.h"
#include "app/Help.h"
#include "app/Look.h"
#include "app/Settings.h"
#include "app/TMisc.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "clients/TfrmClienti.h"

#include <QCoreApplication>

TfrmAvvio* frmAvvio = nullptr;

TfrmAvvio::TfrmAvvio(QWidget* parent) : TopLevelScreen(parent)
{
    setupUi(this);
    setCentredPanel(panContainer);
    Look::setGradient(this, Look::plum, Look::rose);
    Look::setSection(panContainer, QColor(255, 255, 255, 235), 24);
    Look::setSection(panFondo, QColor(0xF8, 0xE4, 0xEB), 18);
    Look::setPicture(icoTitolo01, QStringLiteral("titolo"));
    Look::setPicture(imgSottotitolo, QStringLiteral("sottotitolo"));
    Look::setCommandPicture(imgApp01, QStringLiteral("app_clienti"));
    Look::setCommandPicture(btnApp01, QStringLiteral("app_clienti_titolo"));
    Look::setCommandPicture(imgApp02, QStringLiteral("app_agenda"));
    Look::setCommandPicture(btnApp02, QStringLiteral("app_agenda_titolo"));
    Look::setCommandPicture(imgInfo, QStringLiteral("informazioni"));
    Look::setCommandPicture(imgGuida, QStringLiteral("guida"));
    Look::setCommandPicture(imgSito, QStringLiteral("sito"));
    Look::setCommandPicture(imgMarchio, QStringLiteral("marchio"));
    Look::setCommandPicture(imgEsci, QStringLiteral("esci"));

    connect(imgApp01, &QToolButton::clicked, this, &TfrmAvvio::imgApp01Click);
    connect(btnApp01, &QToolButton::clicked, this, &TfrmAvvio::imgApp01Click);
    connect(imgApp02, &QToolButton::clicked, this, &TfrmAvvio::imgApp02Click);
    connect(btnApp02, &QToolButton::clicked, this, &TfrmAvvio::imgApp02Click);
    connect(imgInfo, &QToolButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgMarchio, &QToolButton::clicked, this, &TfrmAvvio::imgMarchioClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgSito, &QToolButton::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(imgEsci, &QToolButton::clicked, this, &TfrmAvvio::imgEsciClick);
}

void TfrmAvvio::FormClose()
{
    // exit() ends the event loop at once; quit() may be refused by a window
    // that does not accept its close, and the top-level screens never do.
    QCoreApplication::exit(0);
}

void TfrmAvvio::imgApp01Click()
{
    showScreen(frmClienti, this);
}

void TfrmAvvio::imgApp02Click()
{
    showScreen(frmAgenda, this);
}

void TfrmAvvio::imgInfoClick()
{
    TfrmInfo info(this);
    info.exec();
}

void TfrmAvvio::imgMarchioClick()
{
    TfrmSplash splash(this);
    splash.exec();
}

void TfrmAvvio::imgGuidaClick()
{
    Help::open(this, Help::launcher());
}

void TfrmAvvio::imgSitoClick()
{
    TMisc::Open(Settings::makerWebSite());
}

void TfrmAvvio::imgEsciClick()
{
    close();
}
