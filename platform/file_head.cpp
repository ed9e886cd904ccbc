#include "platform/file_head.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "platform/native_text.h"

QByteArray ReadFileHead(const QString& path, int count) {
    if (count <= 0) return {};
    const int descriptor = open(EncodeNativeText(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return {};
    QByteArray head(count, '\0');
    qsizetype filled = 0;
    while (filled < count) {
        const ssize_t got = read(descriptor, head.data() + filled, static_cast<size_t>(count - filled));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        filled += got;
    }
    close(descriptor);
    head.truncate(filled);
    return head;
}

bool ReadWholeFile(const QString& path, QByteArray* bytes) {
    if (path.isEmpty()) return false;
    const int descriptor = open(EncodeNativeText(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return false;
    struct stat info {};
    if (fstat(descriptor, &info) != 0 || S_ISDIR(info.st_mode)) {
        close(descriptor);
        return false;
    }
    QByteArray content;
    char chunk[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = read(descriptor, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) ok = false;
        if (got <= 0) break;
        content.append(chunk, got);
    }
    close(descriptor);
    if (ok) *bytes = content;
    return ok;
}
