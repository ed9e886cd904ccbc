#pragma once
#include <cstdint>

#include "engine/pipeline.h"

// Thread procedure of a conversion job: converts every file of the job's
// file map until the map ends or the running flag drops to 0, then
// publishes the number of converted files as the file count. The
// parameter is ignored; the result is always 0.
int32_t ConversionWorker(int32_t parameter);

// JobLock guards the progress block of the job. The starter creates it
// right before it starts the worker and frees it after the worker ended.
void CreateJobLock();
void FreeJobLock();
// Takes the job lock for its lifetime (nothing when no lock exists).
class JobLockGuard {
public:
    JobLockGuard();
    ~JobLockGuard();
    JobLockGuard(const JobLockGuard&) = delete;
    JobLockGuard& operator=(const JobLockGuard&) = delete;
};

// The one worker thread: start, ask whether it still runs, wait for its end.
// Starting fails while a previous worker has not been waited for.
bool StartConversionWorker();
bool ConversionWorkerAlive();
void WaitForConversionWorker();

// What the worker calls for each file; ConvertCurrentFile unless replaced
// (nullptr puts it back). Lets tests drive the worker without images.
using FileConverter = bool (*)(ConvertError* error);
void SetFileConverter(FileConverter convert);
