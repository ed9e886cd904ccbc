#include "batch_test_support.h"

#include <mutex>

#include <QFile>

#include "batch/job.h"
#include "batch/run_output.h"
#include "settings/formats.h"
#include "settings/settings.h"
#include "strings/string_table.h"

namespace {
std::mutex captureLock;
QStringList capturedLines;
QStringList capturedErrors;

void CaptureLine(const QString& line) {
    std::lock_guard<std::mutex> lock(captureLock);
    capturedLines << line;
}

void CaptureError(const QString& line) {
    std::lock_guard<std::mutex> lock(captureLock);
    capturedErrors << line;
}
}  // namespace

void ResetBatchState() {
    BuildInputRegistry();
    BuildOutputRegistry();
    ResetJob();
    LoadDefaultSettings(true);
    LoadStringTable(QString());
    ConversionJob.runMode.clear();
    ConversionJob.commandLineMode = 1;
    ConversionJob.fileCount = 0;
    ConversionJob.progressIndex = 0;
    ConversionJob.progressPath.clear();
    ConversionJob.running = 0;
}

CapturedOutput::CapturedOutput() {
    Clear();
    SetRunOutput(CaptureLine, CaptureError);
}

CapturedOutput::~CapturedOutput() {
    ResetRunOutput();
}

QStringList CapturedOutput::Lines() const {
    std::lock_guard<std::mutex> lock(captureLock);
    return capturedLines;
}

QStringList CapturedOutput::ErrorLines() const {
    std::lock_guard<std::mutex> lock(captureLock);
    return capturedErrors;
}

void CapturedOutput::Clear() {
    std::lock_guard<std::mutex> lock(captureLock);
    capturedLines.clear();
    capturedErrors.clear();
}

bool WriteTestFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    return file.write(bytes) == bytes.size();
}
