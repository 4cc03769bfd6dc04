#pragma once

#include <QList>

class QWidget;

// The thirty process-wide screen instances.
namespace Screens {
// Creates every screen once, in the fixed order; the login screen is first.
void createAll();
// Destroys them in reverse order and clears the instances.
void destroyAll();
// The screens created, in creation order.
QList<QWidget*> all();
} // namespace Screens
