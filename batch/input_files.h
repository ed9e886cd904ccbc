#pragma once
#include <QString>

// Makes the file the one input of the job when its extension belongs to an
// input format; the path is kept exactly as given. False leaves the file map
// as it was.
bool AddInputFile(const QString& path);
// The path's folder with every occurrence of the base taken out; empty when
// either is empty or the folder does not contain the base.
QString RelativeSubfolder(const QString& path, const QString& base);
// True when the text is one of the job's input extensions (exact match).
bool IsInputExtension(const QString& extension);
