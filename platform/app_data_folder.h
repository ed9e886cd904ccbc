#pragma once
#include <QString>

// The per-user settings folder: $XDG_CONFIG_HOME (or ~/.config), then the two
// names, each level created when missing. The result ends in "/".
QString AppDataFolder(const QString& first, const QString& second);
