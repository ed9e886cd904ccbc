#pragma once
#include <QString>

// Takes the per-version lock that keeps a second copy from running: an
// exclusive lock on "<name>.lock" in $XDG_RUNTIME_DIR (or /tmp), held until
// the process ends or ReleaseInstanceLock. False when another process has it.
bool AcquireInstanceLock(const QString& name);
void ReleaseInstanceLock();
