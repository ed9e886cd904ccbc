#pragma once
#include <QByteArray>
#include <QString>

// The configuration file of window mode: "config.ini" in the per-user
// settings folder ($XDG_CONFIG_HOME or ~/.config, then Tolvane/rastoc/),
// whose two folders are created when missing.
QString ConfigFilePath();

// Reads the file into ConversionSettings. When it cannot be opened the
// window defaults apply instead; either way the version upgrades and the
// delimiter words are applied afterwards. True when the file was read.
bool LoadConfigFrom(const QString& path);
// Writes ConversionSettings to the file through a temporary file, so a
// failed save keeps the old file as it was. True when the file was written.
bool SaveConfigTo(const QString& path);
// The file bytes that SaveConfigTo writes for the current settings.
QByteArray ConfigFileBytes();

// The same at ConfigFilePath(); failures are silent.
void LoadConfig();
void SaveConfig();
