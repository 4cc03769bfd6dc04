#include "app/Look.h"

#include "app/Conventions.h"

#include <QAbstractButton>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QToolButton>

// The pictures are compiled into a static library, whose resource registration
// the linker would drop: every screen reaches the pictures through this file,
// so registering them here makes them present whenever a screen is.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace {
const bool s_picturesRegistered = (registerPictures(), true);

// Paints behind a widget's own painting, at every paint, with its current size.
class Background final : public QObject
{
public:
    Background(QWidget* widget, std::function<void(QPainter&, const QRect&)> paint)
        : QObject(widget), m_paint(std::move(paint))
    {
        // Painting it again on another call replaces the earlier background.
        const QObjectList children = widget->children();
        for (QObject* child : children)
            if (auto* earlier = dynamic_cast<Background*>(child); earlier && earlier != this)
                delete earlier;
        widget->setAttribute(Qt::WA_StyledBackground, false);
        widget->installEventFilter(this);
        widget->update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched == parent()) {
            auto* widget = static_cast<QWidget*>(watched);
            QPainter painter(widget);
            painter.setRenderHint(QPainter::Antialiasing);
            m_paint(painter, widget->rect());
        }
        return false;
    }

private:
    std::function<void(QPainter&, const QRect&)> m_paint;
};
} // namespace

QString Look::picturePath(const QString& name)
{
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}

void Look::setGradient(QWidget* widget, const QColor& top, const QColor& bottom)
{
    new Background(widget, [top, bottom](QPainter& painter, const QRect& rect) {
        QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
        gradient.setColorAt(0, top);
        gradient.setColorAt(1, bottom);
        painter.fillRect(rect, gradient);
    });
}

void Look::setSection(QWidget* widget, const QColor& fill, qreal radius)
{
    new Background(widget, [fill, radius](QPainter& painter, const QRect& rect) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(rect), radius, radius);
    });
}

void Look::setCommandPicture(QAbstractButton* button, const QString& name)
{
    button->setIcon(QIcon(picturePath(name)));
    button->setIconSize(button->size());
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    if (auto* tool = qobject_cast<QToolButton*>(button))
        tool->setAutoRaise(true);
    button->setStyleSheet(QStringLiteral("QAbstractButton { border: none; background: transparent; padding: 0; }"
                                         "QAbstractButton:hover { background: rgba(233, 166, 187, 45); "
                                         "border-radius: 14px; }"
                                         "QAbstractButton:pressed { background: rgba(91, 30, 78, 40); "
                                         "border-radius: 14px; }"));
}

void Look::setPicture(QLabel* label, const QString& name)
{
    const QIcon picture(picturePath(name));
    label->setPixmap(picture.pixmap(label->size(), label->devicePixelRatioF()));
    label->setAlignment(Qt::AlignCenter);
}

void Look::connectLink(QLabel* link, QWidget* picture, std::function<void()> mouseDown, std::function<void()> mouseUp,
                       std::function<void()> click)
{
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    linkUp(link);
    for (QWidget* widget : {static_cast<QWidget*>(link), picture}) {
        Conventions::onMousePress(widget, mouseDown);
        Conventions::onMouseRelease(widget, mouseUp);
        Conventions::onClick(widget, click);
    }
}

void Look::linkDown(QLabel* link)
{
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, linkPressed);
    link->setPalette(palette);
}

void Look::linkUp(QLabel* link)
{
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, linkReleased);
    link->setPalette(palette);
}
