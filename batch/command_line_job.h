#pragma once
#include <QString>
#include <cstdint>

// Outcome of a command-line run; the values are the process exit statuses.
enum RunStatus : int {
    RunConverted = 0,         // every file of the job was converted
    RunCheckFailed = 1,       // a check printed its "Error: " line
    RunNothingConverted = 2,  // no input was added, or the conversion converted nothing
};

// The whole command-line conversion: checks the job and the settings,
// adds the input file, converts it on the worker thread and prints the
// summary. `quiet` silences the progress lines, not errors or debug lines.
int RunCommandLineJob(bool quiet);

// The checks of a run up to the conversion (with their debug lines); false
// once a check has printed its error line.
bool CheckCommandLineJob(bool quiet);

// Debug lines of an input format's load settings; none for "png".
void PrintInputFormatLines(const QString& format);
// Debug lines of an output format's settings (when `debug`), then its
// bit-depth and quality checks; false once an error line was printed.
bool CheckOutputFormat(const QString& type, bool debug);
// The output format's bit-depth setting; 0 for an unknown format.
int32_t OutputFormatBitDepth(const QString& type);

// Keyword of a keyword-valued setting in lower case, by keyword list
// (0..21); empty for a value outside the list. List 4, compression, takes
// its words from the format's own list.
QString SettingKeyword(int32_t list, int32_t value, const QString& compressionFormat = QString());

// True when the name is an entry of the output format list (exact match).
bool IsOutputFormat(const QString& name);
// True when the depth is 0 or one of the format's allowed bit depths.
bool IsAllowedBitDepth(const QString& format, int32_t depth);

// Style flags of the watermark font load; added together.
enum FontFlag : int32_t {
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 4,
    FontStrikeOut = 8,
};
int32_t FontStyleFlags(int8_t style);
int32_t FontEffectFlags(int8_t effect);
