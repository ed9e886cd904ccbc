#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
int lockFd = -1;
}

bool AcquireInstanceLock(const QString& name) {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) folder = QStringLiteral("/tmp");
    const QByteArray path = (folder + u'/' + name + QStringLiteral(".lock")).toUtf8();
    int fd = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    lockFd = fd;
    return true;
}

void ReleaseInstanceLock() {
    if (lockFd < 0) return;
    close(lockFd);
    lockFd = -1;
}
