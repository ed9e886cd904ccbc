#include "platform/file_ops.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

#include "platform/native_text.h"

namespace {
QByteArray Native(const QString& path) {
    return EncodeNativeText(path);
}
}  // namespace

bool FolderExists(const QString& path) {
    struct stat info {};
    return !path.isEmpty() && stat(Native(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CreateFolder(const QString& path) {
    if (mkdir(Native(path).constData(), 0777) == 0) return true;
    return FolderExists(path);
}

bool DeleteFileForced(const QString& path) {
    const QByteArray native = Native(path);
    struct stat info {};
    if (lstat(native.constData(), &info) != 0) return errno == ENOENT;
    if (!(info.st_mode & S_IWUSR)) chmod(native.constData(), info.st_mode | S_IWUSR);
    return unlink(native.constData()) == 0 || errno == ENOENT;
}

bool ReplaceFile(const QString& from, const QString& to) {
    // rename() replaces the target whatever its permission bits, in one step.
    return std::rename(Native(from).constData(), Native(to).constData()) == 0;
}
