#pragma once
#include <QString>

// Where the command-line run and the worker print their lines: standard
// output and standard error, unless a caller (a test) redirects them.
using LinePrinter = void (*)(const QString& line);
void SetRunOutput(LinePrinter out, LinePrinter errors);
// Back to standard output and standard error.
void ResetRunOutput();

void RunPrint(const QString& line);
void RunPrintError(const QString& line);
