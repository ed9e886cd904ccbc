#pragma once
#include <QString>

// Output folder, the current subfolder when "Keep Subfolders" is on, then the
// expanded filename mask (which supplies the extension).
QString BuildOutputPath();
// A path in the same folder with a generated name ending in "." + conversion type.
QString BuildTempPath();
// prefix + date letters + five random letters + suffix.
QString MakeTempName(const QString& prefix, const QString& suffix);
QString ExpandFilenameMask();
QString ExpandWatermarkText();
// Every occurrence of the placeholder (any case) replaced by its value.
QString ExpandPlaceholder(const QString& text, const QString& placeholder);
// What follows the last "." of a file name, by the naming rules; may be empty.
QString ExtensionPart(const QString& name);
QString StripExtension(const QString& name);
// Everything up to and including the last "\\" or "/"; empty when there is none.
QString PathPart(const QString& name);
