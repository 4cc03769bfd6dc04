#include "app/Screen.h"

#include "app/TfrmAvvio.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

TopLevelScreen::TopLevelScreen(QWidget* parent) : QWidget(parent)
{
    resize(1016, 713);
}

void TopLevelScreen::Show()
{
    showMaximized();
}

void TopLevelScreen::setCentredPanel(QWidget* panel)
{
    m_panel = panel;
}

void TopLevelScreen::FormClose()
{
    showScreen(frmAvvio, this);
}

void TopLevelScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TopLevelScreen::closeEvent(QCloseEvent* event)
{
    // The screen is only hidden: it lives, with its contents, until the end.
    event->ignore();
    FormClose();
}

void TopLevelScreen::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_panel)
        m_panel->move(qMax(0, (width() - m_panel->width()) / 2), qMax(0, (height() - m_panel->height()) / 2));
}

ModalScreen::ModalScreen(QWidget* parent, Placement placement)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_placement(placement)
{
}

void ModalScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_placed) {
        m_placed = true;
        setFixedSize(size());
        QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        QRect area;
        if (m_placement == Placement::Owner && owner && owner->isVisible())
            area = owner->frameGeometry();
        else if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        if (area.isValid())
            move(area.center() - QPoint(width() / 2, height() / 2));
    }
    FormShow();
}

void ModalScreen::keyPressEvent(QKeyEvent* event)
{
    // Escape would close the window; these windows are left through their buttons.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void showScreen(QWidget* target, QWidget* current)
{
    if (auto* screen = qobject_cast<TopLevelScreen*>(target))
        screen->Show();
    else
        target->show();
    current->hide();
}
