#include "reports/ListScreen.h"

#include <QLinearGradient>
#include <QPainter>

ListScreen::ListScreen(QWidget* parent) : ModalScreen(parent)
{
    resize(862, 560);
}

void ListScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0x46, 0x82, 0xB4));
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(rect(), gradient);
}
