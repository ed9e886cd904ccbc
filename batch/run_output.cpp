#include "batch/run_output.h"

#include <atomic>

#include "platform/console.h"

namespace {
// Atomic because the worker thread prints while the starter waits.
std::atomic<LinePrinter> outPrinter{PrintLine};
std::atomic<LinePrinter> errorPrinter{PrintErrorLine};
}  // namespace

void SetRunOutput(LinePrinter out, LinePrinter errors) {
    outPrinter = out ? out : PrintLine;
    errorPrinter = errors ? errors : PrintErrorLine;
}

void ResetRunOutput() {
    SetRunOutput(nullptr, nullptr);
}

void RunPrint(const QString& line) {
    outPrinter.load()(line);
}

void RunPrintError(const QString& line) {
    errorPrinter.load()(line);
}
