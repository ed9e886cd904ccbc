#include "platform/file_head.h"

#include <QFile>

QByteArray ReadFileHead(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.read(count);
}
