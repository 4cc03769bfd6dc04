#include "reports/ListScreen.h"

#include "app/Look.h"

ListScreen::ListScreen(QWidget* parent) : ModalScreen(parent)
{
    resize(862, 560);
    Look::setGradient(this, Look::steelBlue);
}
