#include "app/Conventions.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {
// One hook object per widget holds every handler the screen attached to it.
class Hooks final : public QObject
{
public:
    explicit Hooks(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }

    static Hooks* of(QWidget* widget)
    {
        for (QObject* child : widget->children())
            if (auto* hooks = dynamic_cast<Hooks*>(child))
                return hooks;
        return new Hooks(widget);
    }

    QList<Conventions::KeyDownHandler> keyDown;
    QList<std::function<void(QKeyEvent*)>> keyUp;
    QList<std::function<void()>> enter, exit, press, release, click, doubleClick;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != parent())
            return false;
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            for (const auto& handler : std::as_const(keyDown))
                if (handler(key))
                    return true;
            break;
        }
        case QEvent::KeyRelease:
            for (const auto& handler : std::as_const(keyUp))
                handler(static_cast<QKeyEvent*>(event));
            break;
        case QEvent::FocusIn:
            runAll(enter);
            break;
        case QEvent::FocusOut:
            // Not while the screen goes away (hidden, closed or destroyed): its
            // exit rules would run on a screen that may be half destroyed.
            if (!static_cast<QWidget*>(watched)->window()->isHidden())
                runAll(exit);
            break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                runAll(press);
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                runAll(release);
                if (static_cast<QWidget*>(watched)->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
                    runAll(click);
            }
            break;
        case QEvent::MouseButtonDblClick:
            runAll(doubleClick);
            break;
        default:
            break;
        }
        return false;
    }

private:
    static void runAll(const QList<std::function<void()>>& handlers)
    {
        for (const auto& handler : handlers)
            handler();
    }
};
} // namespace

void Conventions::onKeyDown(QWidget* widget, KeyDownHandler handler)
{
    Hooks::of(widget)->keyDown.append(std::move(handler));
}

void Conventions::onKeyUp(QWidget* widget, std::function<void(QKeyEvent*)> handler)
{
    Hooks::of(widget)->keyUp.append(std::move(handler));
}

void Conventions::onEnter(QWidget* widget, std::function<void()> handler)
{
    Hooks::of(widget)->enter.append(std::move(handler));
}

void Conventions::onExit(QWidget* widget, std::function<void()> handler)
{
    Hooks::of(widget)->exit.append(std::move(handler));
}

void Conventions::onMousePress(QWidget* widget, std::function<void()> handler)
{
    Hooks::of(widget)->press.append(std::move(handler));
}

void Conventions::onMouseRelease(QWidget* widget, std::function<void()> handler)
{
    Hooks::of(widget)->release.append(std::move(handler));
}

void Conventions::onClick(QWidget* widget, std::function<void()> handler)
{
    widget->setCursor(Qt::PointingHandCursor);
    Hooks::of(widget)->click.append(std::move(handler));
}

void Conventions::onDoubleClick(QWidget* widget, std::function<void()> handler)
{
    Hooks::of(widget)->doubleClick.append(std::move(handler));
}

bool Conventions::isReturn(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool Conventions::discardUnlessDigit(const QKeyEvent* event, const QString& extra)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return true;
    const QChar c = text.at(0);
    return !((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || extra.contains(c));
}

void Conventions::returnMovesTo(QWidget* from, QWidget* to)
{
    onKeyDown(from, [to](QKeyEvent* event) {
        if (!isReturn(event))
            return false;
        to->setFocus(Qt::OtherFocusReason);
        return true;
    });
}

void Conventions::returnRing(const QList<QWidget*>& fields)
{
    for (int i = 0; i < fields.size(); ++i)
        returnMovesTo(fields.at(i), fields.at((i + 1) % fields.size()));
}

void Conventions::replaceTypedText(QLineEdit* field, const QString& text)
{
    const QString typed = field->text();
    if (text == typed)
        return;
    const qsizetype fromEnd = typed.size() - field->cursorPosition();
    field->setText(text);
    field->setCursorPosition(int(qMax<qsizetype>(0, text.size() - fromEnd)));
}

void Conventions::bindFocusFrame(QWidget* field, QWidget* frame)
{
    frame->hide();
    frame->stackUnder(field);
    // Stacked under its field, the frame is destroyed first when a modal screen
    // goes away, and the focused field then loses its focus.
    onEnter(field, [frame = QPointer<QWidget>(frame)] {
        if (frame)
            frame->show();
    });
    onExit(field, [frame = QPointer<QWidget>(frame)] {
        if (frame)
            frame->hide();
    });
}

void Conventions::setHint(QWidget* command, QLabel* panInfo, const QString& text)
{
    class EnterHint final : public QObject
    {
    public:
        EnterHint(QWidget* command, QLabel* panel, QString text)
            : QObject(command), m_panel(panel), m_text(std::move(text))
        {
            command->installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
                m_panel->setText(m_text);
            return false;
        }

    private:
        QLabel* m_panel;
        QString m_text;
    };
    command->setToolTip(text);
    new EnterHint(command, panInfo, text);
}

void Conventions::clearsHint(QWidget* surface, QLabel* panInfo)
{
    class MoveClears final : public QObject
    {
    public:
        MoveClears(QWidget* surface, QLabel* panel) : QObject(surface), m_panel(panel)
        {
            surface->setMouseTracking(true);
            surface->installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::MouseMove && isOverSurfaceItself(static_cast<QWidget*>(watched), event))
                m_panel->clear();
            return false;
        }

    private:
        // A command or a field may pass the move on to the surface below it:
        // only the surface's own area clears.
        static bool isOverSurfaceItself(QWidget* surface, QEvent* event)
        {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            return surface->rect().contains(at) && !surface->childAt(at);
        }

        QLabel* m_panel;
    };
    new MoveClears(surface, panInfo);
}

FocusFrame::FocusFrame(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient outline(0, 0, 0, height());
    outline.setColorAt(0, QColor(255, 215, 0));
    outline.setColorAt(1, Qt::white);
    painter.setPen(QPen(QBrush(outline), 2));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
}
