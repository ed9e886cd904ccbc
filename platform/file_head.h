#pragma once
#include <QByteArray>
#include <QString>

// Up to count bytes from the start of the file; empty when it cannot be read.
QByteArray ReadFileHead(const QString& path, int count);
// The whole file; false when it cannot be opened or read, or is a folder.
bool ReadWholeFile(const QString& path, QByteArray* bytes);
