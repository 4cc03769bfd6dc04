#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

// Tells when a widget has been painted: shows or updates are timed up to the
// end of the event processing that painted it.
class PaintProbe final : public QObject
{
public:
    explicit PaintProbe(QWidget* widget) : m_widget(widget) { widget->installEventFilter(this); }
    ~PaintProbe() override
    {
        if (m_widget)
            m_widget->removeEventFilter(this);
    }

    void reset() { m_painted = false; }
    // Processes events until the widget has been painted.
    void waitForPaint()
    {
        while (!m_painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    QPointer<QWidget> m_widget;
    bool m_painted = false;
};
