#pragma once
#include <QByteArray>
#include <QString>

// Up to count bytes from the start of the file; empty when it cannot be read.
QByteArray ReadFileHead(const QString& path, int count);
