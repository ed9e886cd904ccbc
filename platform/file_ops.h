#pragma once
#include <QString>

// True when a folder exists at the path.
bool FolderExists(const QString& path);
// Creates one folder level; true when it exists afterwards.
bool CreateFolder(const QString& path);
// Deletes a file even when it is read-only; true when nothing is left.
bool DeleteFileForced(const QString& path);
// Moves a file over another atomically (an existing target, read-only or not,
// is replaced). False leaves both names as they were.
bool ReplaceFile(const QString& from, const QString& to);
