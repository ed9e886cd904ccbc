#pragma once
#include <QString>
#include <cstdint>

// Last-write time of a file as a date value (local wall-clock seconds).
bool ReadFileTime(const QString& path, int32_t* dateValue);
// Sets the last-write time from a date value; the access time is kept.
bool WriteFileTime(const QString& path, int32_t dateValue);
