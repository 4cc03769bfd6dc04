#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

// Parts of a benchmark run in a fresh process of this program: the start-up,
// which must begin with nothing loaded, and the memory measurements, which
// need a process whose peak is their own. A part prints "name value" lines.
namespace ChildProcess {
using Part = std::function<int(const QStringList& args)>;
void define(const QString& name, Part part);

// In the child: runs the part named by --child=.
int run(const QString& name, const QStringList& args);
// In the parent: runs the part in a child and returns what it printed; the
// wall time from start to the part's first line is "wall_ms".
QMap<QString, double> spawn(const QString& name, const QStringList& args);

// What the part prints.
void print(const char* name, double value);
// This process's CPU time so far, in milliseconds.
double cpuMs();
// This process's resident memory now and at its peak, in MiB.
double residentMiB();
double peakResidentMiB();
} // namespace ChildProcess
