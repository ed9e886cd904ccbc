#include "batch/worker.h"

#include <atomic>
#include <mutex>
#include <thread>

#include "batch/job.h"
#include "batch/run_output.h"
#include "platform/file_time.h"
#include "settings/settings.h"

namespace {

std::atomic<FileConverter> fileConverter{ConvertCurrentFile};
std::thread workerThread;
std::atomic<bool> workerAlive{false};

// Applies "File Timestamp" to the output of a converted file; a time that
// cannot be read or set is left as it is.
void ApplyFileTimestamp() {
    const ConversionJobRecord& j = ConversionJob;
    switch (ConversionSettings.advanced.fileTimestamp) {
        case 1: {
            int32_t original = 0;
            if (ReadFileTime(j.currentInputPath, &original)) WriteFileTime(j.finalOutputPath, original);
            break;
        }
        case 2:
            WriteFileTime(j.finalOutputPath, ConversionSettings.advanced.customTimestamp);
            break;
        default:
            break;
    }
}

}  // namespace

void SetFileConverter(FileConverter convert) {
    fileConverter = convert ? convert : ConvertCurrentFile;
}

void CreateJobLock() {
    delete ConversionJob.jobLock;
    ConversionJob.jobLock = new std::mutex;
}

void FreeJobLock() {
    delete ConversionJob.jobLock;
    ConversionJob.jobLock = nullptr;
}

JobLockGuard::JobLockGuard() {
    if (ConversionJob.jobLock) ConversionJob.jobLock->lock();
}

JobLockGuard::~JobLockGuard() {
    if (ConversionJob.jobLock) ConversionJob.jobLock->unlock();
}

int32_t ConversionWorker(int32_t /*parameter*/) {
    ConversionJobRecord& j = ConversionJob;
    const bool debug = j.commandLineMode == 1 && j.runMode == QLatin1String("DEBUG");
    int32_t attempted = 0;
    int32_t converted = 0;
    for (auto entry = j.fileMap.cbegin();; ++entry) {
        // The flag comes first, so a stop never advances the iteration.
        if (j.running.load() == 0 || entry == j.fileMap.cend()) break;
        ++attempted;
        j.currentInputPath = entry.key();
        j.currentSubfolder = entry.value().subfolder;
        {
            JobLockGuard lock;
            j.progressIndex = attempted;
            j.progressPath = j.currentInputPath;
        }
        if (debug) RunPrint(QStringLiteral("Processing: ") + j.currentInputPath);
        ConvertError error = ConvertError::None;
        const bool ok = fileConverter.load()(&error);
        if (debug) {
            RunPrint(QStringLiteral("Saving As: ") + j.finalOutputPath);
            RunPrint(ok ? QStringLiteral("OK") : QStringLiteral("Not OK"));
        }
        if (!ok) {
            // Standard output stays as it always was; the reason goes to standard error.
            if (j.commandLineMode == 1)
                RunPrintError(QStringLiteral("Cannot convert %1: %2")
                                  .arg(j.currentInputPath, QString::fromUtf8(ConvertErrorText(error))));
            continue;
        }
        ++converted;
        j.randomNumber = DrawRandomNumber();
        ++j.sequenceNumber;
        ApplyFileTimestamp();
    }
    JobLockGuard lock;
    j.fileCount = converted;
    return 0;
}

bool StartConversionWorker() {
    if (workerThread.joinable()) return false;
    workerAlive = true;
    try {
        workerThread = std::thread([] {
            ConversionWorker(0);
            workerAlive = false;
        });
    } catch (...) {
        // No thread could be made: report it as a result.
        workerAlive = false;
        return false;
    }
    return true;
}

bool ConversionWorkerAlive() {
    return workerAlive.load();
}

void WaitForConversionWorker() {
    if (workerThread.joinable()) workerThread.join();
}
