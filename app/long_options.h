#pragma once
#include <QString>
#include <cstdint>

// The long options of the form --NAME=VALUE: one for nearly every
// conversion setting. The same names serve as keys of a profile file.

// Where an option comes from; "Solid Opacity" has a different name in each.
enum class OptionSource { CommandLine, Profile };

// What a name is: not a long option, a flag that never reads a value, or an
// option whose value must be given. "--PROFILE" is a valued option of the
// command line only.
enum class OptionKind { NotAnOption, Flag, Valued };

enum class OptionResult {
    NotAnOption,  // the name is not a long option of that source; nothing changed
    Applied,      // the settings were set
    BadProfile,   // "--PROFILE" named an empty path or a file that cannot be opened
};

// The kind of an upper-cased name, with its leading "--".
OptionKind LongOptionKind(const QString& upperName, OptionSource source);

// Sets the settings of one option. The value is the text as the caller has
// prepared it (joined and unquoted on the command line, trimmed in a
// profile); flags ignore it. Applying "--PROFILE" applies that file.
OptionResult ApplyLongOption(const QString& upperName, const QString& value, OptionSource source);

// The error text for a result that stops the command line, empty otherwise.
QString OptionErrorText(OptionResult result);

// The number reading of option values: leading blanks and tabs, an optional
// sign, then decimal digits, or "$" and hexadecimal digits, or "%" and binary
// digits, up to the first character that does not fit; no digits give 0.
// Values beyond the 32-bit range give its nearest end.
int32_t ReadOptionNumber(const QString& text);

// The decimal reading: "+Infinity", "-Infinity", "NaN" in any case, else a
// number with "." as decimal point whatever the locale; no number gives 0.
float ReadOptionDecimal(const QString& text);
