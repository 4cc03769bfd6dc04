#pragma once

#include <QDialog>
#include <QWidget>

// The four top-level screens (launcher, client card, appointment card, agenda):
// maximised, their content on a centred panel designed as 995 x 692.
class TopLevelScreen : public QWidget
{
    Q_OBJECT
public:
    explicit TopLevelScreen(QWidget* parent = nullptr);

    // Shows the screen maximised.
    void Show();

protected:
    // The panel that holds the screen's content; kept centred in the window.
    void setCentredPanel(QWidget* panel);

    // Runs at every showing.
    virtual void FormShow() {}
    // Closing a top-level screen returns to the launcher.
    virtual void FormClose();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_panel = nullptr;
};

// Every other screen: a fixed-size window with no close, minimise or maximise
// box, left only through its own buttons; centred on the screen or, where the
// screen asks for it, on the window that opened it.
class ModalScreen : public QDialog
{
    Q_OBJECT
public:
    enum class Placement { Screen, Owner };

    explicit ModalScreen(QWidget* parent = nullptr, Placement placement = Placement::Screen);

protected:
    virtual void FormShow() {}

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Placement m_placement;
    bool m_placed = false;
};

// Moves from one top-level screen to another: the target is shown first, then
// the current one hidden.
void showScreen(QWidget* target, QWidget* current);
