#include "platform/file_size.h"

#include <sys/stat.h>

#include "platform/native_text.h"

qint64 FileSize(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || stat(EncodeNativeText(path).constData(), &info) != 0) return -1;
    if (S_ISDIR(info.st_mode)) return -2;
    return static_cast<qint64>(info.st_size);
}
