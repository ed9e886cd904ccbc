#pragma once
#include <QString>

// The one file being written under a temporary name. While a path is
// registered, SIGINT, SIGTERM and SIGHUP first remove that file and then end
// the process as the signal would have, so an interrupted conversion leaves
// no partial file behind. The handlers are installed on the first
// registration; a signal the process was started to ignore stays ignored.
void RegisterTemporaryFile(const QString& path);
// Forgets the path (it has been renamed or deleted).
void UnregisterTemporaryFile();
