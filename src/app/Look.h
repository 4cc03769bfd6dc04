#pragma once

#include <QColor>
#include <QString>
#include <functional>

class QAbstractButton;
class QLabel;
class QWidget;

// The look every screen shares: the pictures of resources/pictures, the window
// gradients and flat sections the screens are drawn with, and the links.
namespace Look {
// Colours the screens name: the steel blue of the window gradients, the
// client card's grey-blue rectangle, its light field sections and the blue bar
// under panInfo, and the link colours (orange while pressed, dark blue).
constexpr QColor steelBlue(0x46, 0x82, 0xB4);
constexpr QColor greyBlue(0xC3, 0xD0, 0xDE);
constexpr QColor lightSection(0xE7, 0xEF, 0xF7);
constexpr QColor infoBar(0x30, 0x30, 0xDD);
constexpr QColor linkPressed(0xFF, 0xA5, 0x00);
constexpr QColor linkReleased(0x00, 0x00, 0x8B);
// The salon's own colours: the launcher and the help, information and picture windows.
constexpr QColor plum(0x5B, 0x1E, 0x4E);
constexpr QColor rose(0xE9, 0xA6, 0xBB);
constexpr QColor blush(0xFB, 0xEE, 0xF2);
constexpr QColor gold(0xC9, 0xA2, 0x4B);

// ":/pictures/<name>.svg".
QString picturePath(const QString& name);

// Paints widget's background with a vertical gradient from top to bottom,
// stretched over the widget whatever its size (a whole window, a band).
void setGradient(QWidget* widget, const QColor& top, const QColor& bottom = Qt::white);
// Paints widget as a flat section of colour fill, with rounded corners of radius.
void setSection(QWidget* widget, const QColor& fill, qreal radius = 0);

// A command picture: the picture as the button's icon at the button's own
// size, no frame, hand cursor, a light glow under the mouse.
void setCommandPicture(QAbstractButton* button, const QString& name);
// A picture without action, drawn at the label's size.
void setPicture(QLabel* label, const QString& name);

// A link text and its picture: the link underlined and dark blue, both with a
// hand cursor; a press on either runs mouseDown, a release mouseUp, a click click.
void connectLink(QLabel* link, QWidget* picture, std::function<void()> mouseDown, std::function<void()> mouseUp,
                 std::function<void()> click);
// The link's colour while the mouse is pressed on it (orange) and after (dark blue).
void linkDown(QLabel* link);
void linkUp(QLabel* link);
} // namespace Look
