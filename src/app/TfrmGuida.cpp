#include "app/TfrmGuida.h"

#include "app/DataFolder.h"
#include "app/Look.h"
#include "app/TMisc.h"

TfrmGuida* frmGuida = nullptr;

TfrmGuida::TfrmGuida(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
    Look::setGradient(this, Look::blush);
    Look::setGradient(panTesta, Qt::white, Look::blush);
    Look::setPicture(imgLogo, QStringLiteral("logo"));
    Look::setPicture(imgPDF, QStringLiteral("manuale"));
    Look::connectLink(
        lnkWeb, imgPDF, [this] { lnkWebMouseDown(); }, [this] { lnkWebMouseUp(); }, [this] { lnkWebClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);
}

void TfrmGuida::FormShow()
{
    // The window's outer size is fixed; the content panel stays centred in
    // whatever client area the window manager's frame leaves.
    const QSize frame = frameGeometry().size() - size();
    setFixedSize(QSize(676, 598) - frame);
    panContainer->move((width() - panContainer->width()) / 2, (height() - panContainer->height()) / 2);
}

void TfrmGuida::lnkWebClick()
{
    Look::linkUp(lnkWeb);
    TMisc::Open(QStringLiteral("\"") + DataFolder::filePath(QStringLiteral("Guida.pdf")) + QStringLiteral("\""));
}

void TfrmGuida::lnkWebMouseDown()
{
    Look::linkDown(lnkWeb);
}

void TfrmGuida::lnkWebMouseUp()
{
    Look::linkUp(lnkWeb);
}

void TfrmGuida::btnChiudiClick()
{
    close();
}
