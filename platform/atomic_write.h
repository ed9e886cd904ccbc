#pragma once
#include <QByteArray>
#include <QString>

// Writes the bytes to a new file beside the path, flushes it to disk and
// renames it over the path, so readers see either the old file or the whole
// new one. False on any failure, and then the old file is left untouched and
// the temporary file removed.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);
