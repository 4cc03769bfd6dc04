#include "reports/ListPanel.h"

#include "app/Conventions.h"
#include "app/Look.h"

ListPanel::ListPanel(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    Look::setPicture(icoIstruzioni, QStringLiteral("info"));
    Conventions::onKeyDown(txtTrova, [this](QKeyEvent* event) { return txtTrovaKeyDown(event); });
    connect(btnTrova, &QPushButton::clicked, this, &ListPanel::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ListPanel::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &ListPanel::btnChiudiClick);
}

void ListPanel::setTitle(const QString& picture, const QString& reportTitle)
{
    Look::setPicture(imgLogo, picture);
    m_reportTitle = reportTitle;
}

void ListPanel::setSearchResults()
{
    icoIstruzioni->setObjectName(QStringLiteral("icoIstruzioni01"));
    lblRigo03->setText(QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"));
    lblTrovate->show();
}

void ListPanel::setCount(qsizetype lines)
{
    lblTrovate->setText(QStringLiteral("Il presente riepilogo contiene ") + QString::number(lines) +
                        QStringLiteral(" schede."));
}

void ListPanel::clearSearch()
{
    lstRecords->resetSearch();
    lstRecords->selectRow(0);
    txtTrova->clear();
}

bool ListPanel::txtTrovaKeyDown(QKeyEvent* event)
{
    // Return only moves on to Trova; the find runs when Trova is pressed.
    if (!Conventions::isReturn(event))
        return false;
    btnTrova->setFocus(Qt::OtherFocusReason);
    return true;
}

void ListPanel::btnTrovaClick()
{
    lstRecords->findInList(txtTrova->text());
}

void ListPanel::btnStampaClick()
{
    frxReport.print(m_reportTitle, lstRecords->lines(), {}, window());
}

void ListPanel::btnChiudiClick()
{
    window()->close();
}
