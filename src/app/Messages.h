#pragma once

#include <QList>
#include <QString>

class QWidget;

// The five kinds of message box. Every user message goes through here, so that
// tests can read the texts shown and script the answers.
namespace Messages {
enum class Kind { Warning, Error, Information, Confirmation, Plain };

// Warning, error and information boxes offer OK and Cancel; the answer is not used.
void warning(QWidget* parent, const QString& text);
void error(QWidget* parent, const QString& text);
void information(QWidget* parent, const QString& text);
// Yes and No; true unless the user answered No.
bool confirm(QWidget* parent, const QString& text);
// OK only, no icon.
void plain(QWidget* parent, const QString& text);

struct Shown {
    Kind kind;
    QString text;
};

// Test seam. In test mode no box is shown: each one is recorded, and a
// confirmation takes the next queued answer (Yes when the queue is empty).
void setTestMode(bool on);
void queueAnswer(bool yes);
QList<Shown> shown();
QStringList shownTexts();
// Clears the record and the queue; returns the number of queued answers left unused.
int resetForTests();
} // namespace Messages
