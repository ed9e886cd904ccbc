#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

// The input formats this program converts from ("png") and the output
// formats it converts to ("psd"); the output name is also the extension.
const QStringList& InputFormatList();
const QStringList& OutputFormatList();

struct InputFormatEntry {
    QString format;
    QString description;  // empty for alias extensions
};
struct OutputFormatEntry {
    QString format;
    QString description;
    QString bitDepths;  // allowed depths in decimal, joined by ","
};

// Extension (lower case, no dot) to input format.
extern QHash<QString, InputFormatEntry> InputRegistry;
// Output format name (lower case) to its description and bit depths.
extern QHash<QString, OutputFormatEntry> OutputRegistry;

void BuildInputRegistry();
void BuildOutputRegistry();
// The extensions of every input-registry entry whose format is in the input
// format list; for this program the single entry "png".
QStringList BuildInputExtensionList();

// Lookups by exact (lower-case) name; empty text when unknown.
QString OutputBitDepths(const QString& format);
QString OutputDescription(const QString& format);
QString InputFormatOf(const QString& extension);
QString InputDescriptionOf(const QString& extension);
