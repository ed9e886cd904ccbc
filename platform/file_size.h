#pragma once
#include <QString>
#include <QtGlobal>

// Size of the file in bytes, -1 when nothing exists at the path,
// -2 when the path is a folder.
qint64 FileSize(const QString& path);
