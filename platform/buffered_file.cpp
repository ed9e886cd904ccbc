#include "platform/buffered_file.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "platform/native_text.h"

namespace {
constexpr size_t kBufferSize = 1 << 20;

bool WriteAll(int descriptor, const unsigned char* data, size_t count) {
    while (count > 0) {
        const ssize_t written = write(descriptor, data, count);
        if (written < 0 && errno == EINTR) continue;
        // A short write of 0 bytes would loop forever; treat it as a full disk.
        if (written <= 0) return false;
        data += written;
        count -= static_cast<size_t>(written);
    }
    return true;
}

bool Flush(BufferedFile* file) {
    if (file->failed) return false;
    if (file->used > 0 && !WriteAll(file->descriptor, file->buffer, file->used)) file->failed = true;
    file->used = 0;
    return !file->failed;
}
}  // namespace

BufferedFile* CreateBufferedFile(const QString& path) {
    const int descriptor = open(EncodeNativeText(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) return nullptr;
    auto* file = new BufferedFile;
    file->descriptor = descriptor;
    file->buffer = new unsigned char[kBufferSize];
    file->capacity = kBufferSize;
    return file;
}

bool WriteBufferedFile(BufferedFile* file, const void* data, size_t count) {
    if (!file || file->failed) return false;
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (count >= kBufferSize) {
        if (!Flush(file)) return false;
        if (!WriteAll(file->descriptor, bytes, count)) file->failed = true;
        return !file->failed;
    }
    if (file->used + count > kBufferSize && !Flush(file)) return false;
    std::memcpy(file->buffer + file->used, bytes, count);
    file->used += count;
    return true;
}

int64_t BufferedFilePosition(BufferedFile* file) {
    if (!file || file->failed) return -1;
    const off_t position = lseek(file->descriptor, 0, SEEK_CUR);
    if (position < 0) return -1;
    return static_cast<int64_t>(position) + static_cast<int64_t>(file->used);
}

bool SeekBufferedFile(BufferedFile* file, int64_t offset, int origin) {
    if (!file || !Flush(file)) return false;
    const int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END;
    if (lseek(file->descriptor, static_cast<off_t>(offset), whence) < 0) file->failed = true;
    return !file->failed;
}

bool CloseBufferedFile(BufferedFile* file) {
    if (!file) return false;
    bool ok = Flush(file);
    // Some file systems report a full disk only when the data is synced or closed.
    if (ok && fdatasync(file->descriptor) != 0) ok = false;
    if (close(file->descriptor) != 0) ok = false;
    delete[] file->buffer;
    delete file;
    return ok;
}
