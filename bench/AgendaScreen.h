#pragma once

#include <QString>

// The agenda screen as the program has it, on the benchmarks' today, with the
// alert sound recorded instead of played. Created once.
namespace AgendaScreen {
void prepare(const QString& folder);
} // namespace AgendaScreen
