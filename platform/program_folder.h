#pragma once
#include <QString>

// Folder of the running executable, ending in "/".
QString ProgramFolder();
// Full path of the running executable.
QString ProgramPath();
