#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QKeyEvent;
class QLabel;
class QLineEdit;

// The user-interface conventions every screen follows: key handlers that may
// discard a key, the Return-key chain, focus frames and the status hint panel.
namespace Conventions {
// Runs before the widget sees the key; returning true discards the key.
using KeyDownHandler = std::function<bool(QKeyEvent*)>;

void onKeyDown(QWidget* widget, KeyDownHandler handler);
void onKeyUp(QWidget* widget, std::function<void(QKeyEvent*)> handler);
// Focus gained and lost.
void onEnter(QWidget* widget, std::function<void()> handler);
void onExit(QWidget* widget, std::function<void()> handler);
// Mouse press and release (for link feedback) and click on a non-button widget.
void onMousePress(QWidget* widget, std::function<void()> handler);
void onMouseRelease(QWidget* widget, std::function<void()> handler);
void onClick(QWidget* widget, std::function<void()> handler);
void onDoubleClick(QWidget* widget, std::function<void()> handler);

bool isReturn(const QKeyEvent* event);
// The digit filter: lets through Backspace, Delete, Left, Right, Tab and the
// digits 0-9 plus any character of extra; true when the key is to be discarded.
bool discardUnlessDigit(const QKeyEvent* event, const QString& extra = QString());

// Return in from moves the focus to to.
void returnMovesTo(QWidget* from, QWidget* to);
// Return moves the focus along fields, the last one leading back to the first.
void returnRing(const QList<QWidget*>& fields);

// A field's typing rule (trimmed, upper-cased, ...) puts text in place of what
// the user just typed; the cursor keeps its distance from the end of the text.
void replaceTypedText(QLineEdit* field, const QString& text);

// Shows frame while field has the focus.
void bindFocusFrame(QWidget* field, QWidget* frame);

// Mouse over command writes text into panInfo.
void setHint(QWidget* command, QLabel* panInfo, const QString& text);
// Mouse moving over surface (the background, a decorative shape) empties panInfo.
void clearsHint(QWidget* surface, QLabel* panInfo);
} // namespace Conventions

// The yellow rectangle with a yellow-to-white gradient outline drawn around
// the field that has the focus. Hidden until its field is entered.
class FocusFrame final : public QWidget
{
    Q_OBJECT
public:
    explicit FocusFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
