#include "app/command_line.h"

#include <QFileInfo>

#include "app/end_program.h"
#include "app/long_options.h"
#include "batch/job.h"
#include "platform/console.h"
#include "platform/program_folder.h"
#include "platform/random.h"
#include "settings/formats.h"
#include "settings/product.h"
#include "settings/settings.h"
#include "strings/string_table.h"

QStringList CommandLineParameters;

namespace {

QString Parameter(int index) {
    if (index < 0 || index >= CommandLineParameters.size()) return QString();
    return CommandLineParameters.at(index).trimmed();
}

const QString kIncorrectCount = QStringLiteral("Incorrect number of parameters");

// A value is refused when it is empty or starts with "-".
bool TwoFormValue(const QString& name, int* i, QString* value) {
    if (name.startsWith(QLatin1String("--"))) {
        *value = ParameterValue(*i);
    } else {
        ++*i;
        *value = ParameterValue(*i);
    }
    return !value->isEmpty() && !value->startsWith(u'-');
}

// A long option never takes the next parameter; "--" is what a parameter
// without "=" yields, so it is refused, while "-20" is a value.
bool LongFormValue(int i, QString* value) {
    *value = ParameterValue(i);
    return !value->isEmpty() && !value->startsWith(QLatin1String("--"));
}

// A value that opens a double quote takes the following parameters until one
// closes it, since the platform split a quoted name at its blanks.
void JoinQuoted(int* i, QString* value) {
    if (!value->startsWith(u'"') || value->endsWith(u'"')) return;
    while (*i + 1 < CommandLineParameters.size()) {
        ++*i;
        *value += u' ' + ParameterValue(*i);
        if (value->endsWith(u'"')) break;
    }
}

QString StripQuotes(QString value) {
    qsizetype start = 0;
    while (start < value.size() && value.at(start) == u'"') ++start;
    qsizetype end = value.size();
    while (end > start && value.at(end - 1) == u'"') --end;
    return value.mid(start, end - start);
}

QString ProgramFileName() {
    return QFileInfo(ProgramPath()).completeBaseName();
}

QString RandomInputFormat() {
    const QStringList& formats = InputFormatList();
    return formats.at(RandomInt(0, static_cast<int>(formats.size()) - 1));
}

void PrintLines(const QStringList& lines) {
    for (const QString& line : lines) PrintLine(line);
}

}  // namespace

QString ParameterName(int index) {
    const QString p = Parameter(index);
    if (!p.startsWith(u'-')) return QString();
    if (p.startsWith(QLatin1String("--"))) {
        const qsizetype eq = p.indexOf(u'=');
        return (eq < 0 ? p : p.left(eq)).toUpper();
    }
    return p.toUpper();
}

QString ParameterValue(int index) {
    const QString p = Parameter(index);
    if (p.startsWith(QLatin1String("--"))) {
        const qsizetype eq = p.indexOf(u'=');
        if (eq >= 0) return p.mid(eq + 1);
    }
    return p;
}

ParsedCommandLine ReadParameters() {
    ParsedCommandLine result;
    const QString first = ParameterName(0);
    // "-U" and "-T" (the uninstall page and the screenshot mode) belong to the
    // window front end, which this build lacks: they are names the loop ignores.
    if (first == QLatin1String("-V") || first == QLatin1String("--VERSION")) {
        result.action = CommandLineAction::Version;
        return result;
    }
    if (first == QLatin1String("-H") || first == QLatin1String("-?") || first == QLatin1String("--HELP")) {
        result.action = CommandLineAction::Help;
        return result;
    }

    const int count = static_cast<int>(CommandLineParameters.size());
    for (int i = 0; i < count && result.errorText.isEmpty(); ++i) {
        const QString name = ParameterName(i);
        QString value;
        if (name == QLatin1String("-I") || name == QLatin1String("--INPUT")) {
            if (!TwoFormValue(name, &i, &value)) {
                result.errorText = kIncorrectCount;
                break;
            }
            JoinQuoted(&i, &value);
            ConversionJob.commandLineMode = 1;
            ConversionJob.inputArgument = StripQuotes(value);
        } else if (name == QLatin1String("-O") || name == QLatin1String("--OUTPUT")) {
            if (!TwoFormValue(name, &i, &value)) {
                result.errorText = kIncorrectCount;
                break;
            }
            JoinQuoted(&i, &value);
            ConversionJob.outputFolder = StripQuotes(value);
        } else if (name == QLatin1String("-C") || name == QLatin1String("--CONVERSION")) {
            if (!TwoFormValue(name, &i, &value)) {
                result.errorText = kIncorrectCount;
                break;
            }
            ConversionJob.conversionType = StripQuotes(value);
        } else if (name == QLatin1String("-D") || name == QLatin1String("--DEBUG")) {
            ConversionJob.runMode = QStringLiteral("DEBUG");
        } else if (name == QLatin1String("-Q") || name == QLatin1String("--QUIET")) {
            result.quiet = true;
        } else if (name == QLatin1String("-P") || name == QLatin1String("--PAUSE")) {
            result.pause = true;
        } else {
            // The long options of the settings, and "--PROFILE".
            const OptionKind kind = LongOptionKind(name, OptionSource::CommandLine);
            if (kind == OptionKind::Flag) {
                ApplyLongOption(name, QString(), OptionSource::CommandLine);
            } else if (kind == OptionKind::Valued) {
                if (!LongFormValue(i, &value)) {
                    result.errorText = kIncorrectCount;
                    break;
                }
                JoinQuoted(&i, &value);
                const OptionResult applied = ApplyLongOption(name, StripQuotes(value), OptionSource::CommandLine);
                result.errorText = OptionErrorText(applied);
            }
        }
    }

    if (!result.errorText.isEmpty())
        result.action = CommandLineAction::Error;
    else if (ConversionJob.commandLineMode == 1)
        result.action = CommandLineAction::Convert;
    else
        result.action = CommandLineAction::Window;
    return result;
}

QStringList HelpLines(const QString& programName) {
    static const char* const lines[] = {
        " ",
        "Usage: %s1% -i <filename> [options]",
        " ",
        "  %s1% -i example.%s2%",
        "  %s1% -i c:\\tmp\\example.%s2%",
        "  %s1% -i c:\\tmp\\example.%s2% -o d:\\converted",
        "  %s1% -i c:\\tmp\\example.%s2% -o d:\\converted --jpg-quality=95",
        " ",
        "Options:",
        " ",
        "  -h, -?, --help            Display this help and exit",
        "  -i FILE, --input=FILE     Set input file",
        "  -o PATH, --output=PATH    Set output folder",
        "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)",
        " ",
        "Advanced options:",
        " ",
        "  --width=NUM               Set output image width",
        "  --height=NUM              Set output image height",
        "  --filename-mask=STR       Define output filename format",
        "  --flip-horizontal         Flip output image horizontally",
        "  --flip-vertical           Flip output image vertically",
        "  --brightness=NUM          Set output image brightness, NUM = -100..100",
        "  --contrast=NUM            Set output image contrast, NUM = -100..100",
        "  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99",
        "  --invert                  Invert output image",
        "  --greyscale               Greyscale output image",
        "  --profile=FILE            Set configuration file with required settings",
        "    ...                     Refer documentation for all available options",
        " ",
        "Other options:",
        " ",
        "  -q, --quiet               Don't print status messages to stdout",
        "  -d, --debug               Print debug information to stdout",
        "  -p, --pause               Pause at exit",
        "  -v, --version             Display version information and exit",
    };
    QStringList out;
    for (const char* line : lines) out << FillPlaceholders(QString::fromLatin1(line), programName, RandomInputFormat());
    return out;
}

QStringList VersionLines() {
    return {VersionText(ProgramVersion)};
}

QStringList BannerLines() {
    QString copyright = QString::fromUtf8(CopyrightText);
    copyright.replace(QChar(0x00A9), QLatin1String("(c)"));
    return {TitleWithVersion(QString::fromLatin1(ProductTitle), ProgramVersion), copyright,
            QString::fromLatin1(WebSiteAddress), QStringLiteral(" ")};
}

void ParseCommandLine() {
    if (CommandLineParameters.isEmpty()) return;

    BuildInputRegistry();
    BuildOutputRegistry();
    ResetJob();
    LoadDefaultSettings(true);
    LoadStringTable(QString());

    const ParsedCommandLine parsed = ReadParameters();
    const QString title = TitleWithVersion(QString::fromLatin1(ProductTitle), ProgramVersion);
    switch (parsed.action) {
        case CommandLineAction::Version:
            if (!OpenConsole()) EndProgram(ExitSuccess);
            SetConsoleTitle(title);
            PrintLines(VersionLines());
            CloseConsole();
            EndProgram(ExitSuccess);
        case CommandLineAction::Help:
            if (!OpenConsole()) EndProgram(ExitSuccess);
            SetConsoleTitle(title);
            PrintLines(HelpLines(ProgramFileName()));
            CloseConsole();
            EndProgram(ExitSuccess);
        case CommandLineAction::Error:
            if (!OpenConsole()) break;
            SetConsoleTitle(title);
            PrintLine(QStringLiteral("Error: ") + parsed.errorText);
            if (parsed.pause) WaitForKey();
            CloseConsole();
            EndProgram(ExitRefused);
        case CommandLineAction::Convert: {
            if (!OpenConsole()) break;
            SetConsoleTitle(title);
            if (!parsed.quiet) PrintLines(BannerLines());
            const int status = RunConversion(parsed.quiet);
            if (parsed.pause) {
                PrintLine(QStringLiteral("Press any key to exit."));
                WaitForKey();
            }
            CloseConsole();
            EndProgram(status);
        }
        case CommandLineAction::Window:
            break;
    }
}
