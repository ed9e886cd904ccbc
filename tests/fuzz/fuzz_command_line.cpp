// The command-line grammar: the input split at NUL bytes is the parameter list.
#include "app/command_line.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    PrepareConsoleRun();
    CommandLineParameters = Pieces(data, size);
    const ParsedCommandLine parsed = ReadParameters();
    // Only an error carries a text, and it is one of the two fixed ones.
    FUZZ_CHECK(parsed.errorText.isEmpty() == (parsed.action != CommandLineAction::Error));
    FUZZ_CHECK(parsed.errorText.isEmpty() || parsed.errorText == QLatin1String("Incorrect number of parameters") ||
               parsed.errorText == QLatin1String("Invalid profile file"));
    if (parsed.action == CommandLineAction::Convert) FUZZ_CHECK(ConversionJob.commandLineMode == 1);
    for (int i = -1; i <= static_cast<int>(CommandLineParameters.size()); ++i) {
        const QString name = ParameterName(i);
        FUZZ_CHECK(name.isEmpty() || name.startsWith(u'-'));
        FUZZ_CHECK(name == name.toUpper());
        ParameterValue(i);
    }
    return 0;
}
