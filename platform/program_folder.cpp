#include "platform/program_folder.h"

#include <QFileInfo>

QString ProgramPath() {
    static const QString path = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return path;
}

QString ProgramFolder() {
    static const QString folder = [] {
        QString path = QFileInfo(ProgramPath()).path();
        if (!path.endsWith(u'/')) path += u'/';
        return path;
    }();
    return folder;
}
