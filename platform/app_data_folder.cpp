#include "platform/app_data_folder.h"

#include <QDir>
#include <QFileInfo>

QString AppDataFolder(const QString& first, const QString& second) {
    QString path = qEnvironmentVariable("XDG_CONFIG_HOME").trimmed();
    if (path.isEmpty()) path = QDir::homePath() + QStringLiteral("/.config");
    if (!path.endsWith(u'/')) path += u'/';
    for (const QString& name : {first, second}) {
        path += name + u'/';
        if (!QFileInfo::exists(path)) QDir().mkpath(path);
    }
    return path;
}
