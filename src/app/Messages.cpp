#include "app/Messages.h"

#include <QMessageBox>
#include <QQueue>

namespace {
bool s_testMode = false;
QList<Messages::Shown> s_shown;
QQueue<bool> s_answers;

QMessageBox::StandardButton show(Messages::Kind kind, QWidget* parent, const QString& text)
{
    if (s_testMode) {
        s_shown.append({kind, text});
        if (kind != Messages::Kind::Confirmation)
            return QMessageBox::Ok;
        const bool yes = s_answers.isEmpty() ? true : s_answers.dequeue();
        return yes ? QMessageBox::Yes : QMessageBox::No;
    }
    QMessageBox box(parent);
    box.setText(text);
    switch (kind) {
    case Messages::Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Messages::Kind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Messages::Kind::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Messages::Kind::Confirmation:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Messages::Kind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

void Messages::warning(QWidget* parent, const QString& text)
{
    show(Kind::Warning, parent, text);
}

void Messages::error(QWidget* parent, const QString& text)
{
    show(Kind::Error, parent, text);
}

void Messages::information(QWidget* parent, const QString& text)
{
    show(Kind::Information, parent, text);
}

bool Messages::confirm(QWidget* parent, const QString& text)
{
    return show(Kind::Confirmation, parent, text) != QMessageBox::No;
}

void Messages::plain(QWidget* parent, const QString& text)
{
    show(Kind::Plain, parent, text);
}

void Messages::setTestMode(bool on)
{
    s_testMode = on;
}

void Messages::queueAnswer(bool yes)
{
    s_answers.enqueue(yes);
}

QList<Messages::Shown> Messages::shown()
{
    return s_shown;
}

QStringList Messages::shownTexts()
{
    QStringList texts;
    for (const Shown& s : s_shown)
        texts << s.text;
    return texts;
}

int Messages::resetForTests()
{
    const int unused = s_answers.size();
    s_shown.clear();
    s_answers.clear();
    return unused;
}
