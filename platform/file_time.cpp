#include "platform/file_time.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/date_value.h"
#include "platform/native_text.h"

bool ReadFileTime(const QString& path, int32_t* dateValue) {
    struct stat info {};
    if (stat(EncodeNativeText(path).constData(), &info) != 0) return false;
    *dateValue = DateValueFromEpoch(static_cast<int64_t>(info.st_mtim.tv_sec));
    return true;
}

bool WriteFileTime(const QString& path, int32_t dateValue) {
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = static_cast<time_t>(EpochFromDateValue(dateValue));
    times[1].tv_nsec = 0;
    return utimensat(AT_FDCWD, EncodeNativeText(path).constData(), times, 0) == 0;
}
