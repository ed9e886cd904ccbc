#include "platform/program_folder.h"

#include <QFileInfo>

QString ProgramFolder() {
    static const QString folder = [] {
        QString path = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
        if (!path.endsWith(u'/')) path += u'/';
        return path;
    }();
    return folder;
}
