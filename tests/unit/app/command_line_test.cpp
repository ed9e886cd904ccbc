#include <gtest/gtest.h>

#include "app/command_line.h"
#include "batch/job.h"
#include "settings/formats.h"
#include "settings/product.h"
#include "settings/settings.h"
#include "strings/string_table.h"

namespace {

// Applies the parameters to a freshly reset job, as a console run does.
ParsedCommandLine Parse(const QStringList& params) {
    BuildInputRegistry();
    BuildOutputRegistry();
    ResetJob();
    ConversionJob.runMode.clear();
    LoadDefaultSettings(true);
    LoadStringTable(QString());
    CommandLineParameters = params;
    return ReadParameters();
}

const char* ActionName(CommandLineAction a) {
    switch (a) {
        case CommandLineAction::Window:
            return "window";
        case CommandLineAction::Help:
            return "help";
        case CommandLineAction::Version:
            return "version";
        case CommandLineAction::Convert:
            return "convert";
        case CommandLineAction::Error:
            return "error";
    }
    return "?";
}

}  // namespace

TEST(VersionText, FormatsDottedVersion) {
    const struct {
        int version;
        const char* text;
    } cases[] = {{230, "2.3"}, {231, "2.3.1"}, {100, "1.0"}, {245, "2.4.5"}, {300, "3.0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        EXPECT_EQ(VersionText(c.version), QString::fromLatin1(c.text));
    }
    EXPECT_EQ(TitleWithVersion(QString::fromLatin1(ProductTitle), ProgramVersion),
              QStringLiteral("Tolvane PNG to PSD 2.3"));
}

TEST(ParameterNameAndValue, SplitsNamesAndValues) {
    const struct {
        const char* parameter;
        const char* name;
        const char* value;
    } cases[] = {
        {"-i", "-I", "-i"},
        {"  -q  ", "-Q", "-q"},
        {"--Width=10", "--WIDTH", "10"},
        {"--help=x", "--HELP", "x"},
        {"--input", "--INPUT", "--input"},
        {"--input=", "--INPUT", ""},
        {"--mask=a=b", "--MASK", "a=b"},
        {"picture.png", "", "picture.png"},
        {"-x=1", "-X=1", "-x=1"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.parameter);
        CommandLineParameters = {QString::fromLatin1(c.parameter)};
        EXPECT_EQ(ParameterName(0), QString::fromLatin1(c.name));
        EXPECT_EQ(ParameterValue(0), QString::fromLatin1(c.value));
    }
    CommandLineParameters = {QStringLiteral("-i")};
    EXPECT_EQ(ParameterName(1), QString());
    EXPECT_EQ(ParameterValue(1), QString());
    EXPECT_EQ(ParameterValue(-1), QString());
}

TEST(ReadParameters, ChoosesTheMode) {
    const struct {
        QStringList params;
        CommandLineAction action;
    } cases[] = {
        {{"picture.png"}, CommandLineAction::Window},
        {{"-q"}, CommandLineAction::Window},
        {{"-p"}, CommandLineAction::Window},
        {{"-v"}, CommandLineAction::Version},
        {{"-V"}, CommandLineAction::Version},
        {{"--version"}, CommandLineAction::Version},
        {{"-h"}, CommandLineAction::Help},
        {{"-?"}, CommandLineAction::Help},
        {{"--HELP"}, CommandLineAction::Help},
        {{"--help=x"}, CommandLineAction::Help},
        {{"-i", "a.png", "-v"}, CommandLineAction::Convert},
        {{"-q", "-h"}, CommandLineAction::Window},
        {{"-i", "a.png", "-h"}, CommandLineAction::Convert},
        {{"-U"}, CommandLineAction::Window},
        {{"-T", "shots", "-i", "a.png"}, CommandLineAction::Convert},
        {{"-i"}, CommandLineAction::Error},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.params.join(u' ').toStdString());
        EXPECT_STREQ(ActionName(Parse(c.params).action), ActionName(c.action));
    }
}

TEST(ReadParameters, RefusesMissingValues) {
    const QStringList cases[] = {
        {"-i"}, {"-i", "-o", "d:\\out"}, {"--input"}, {"--input="}, {"-o"}, {"-c", "-q"}, {"-i", "a.png", "-o", "--x"},
    };
    for (const auto& params : cases) {
        SCOPED_TRACE(params.join(u' ').toStdString());
        const ParsedCommandLine r = Parse(params);
        EXPECT_EQ(r.action, CommandLineAction::Error);
        EXPECT_EQ(r.errorText, QStringLiteral("Incorrect number of parameters"));
    }
}

TEST(ReadParameters, TakesInputOutputAndConversion) {
    const struct {
        QStringList params;
        const char* input;
        const char* output;
        const char* conversion;
    } cases[] = {
        {{"-i", "a.png"}, "a.png", "", ""},
        {{"--input=a.png", "--output=out", "--conversion=psd"}, "a.png", "out", "psd"},
        {{"-I", "a.png", "-O", "out", "-C", "psd"}, "a.png", "out", "psd"},
        {{"-i", "a.png", "-i", "b.png"}, "b.png", "", ""},
        {{"-i", "\"c:\\my", "pictures\\a.png\""}, "c:\\my pictures\\a.png", "", ""},
        {{"-i", "\"c:\\my", "pictures", "a.png"}, "c:\\my pictures a.png", "", ""},
        {{"-i", "\"\"a.png\"\""}, "a.png", "", ""},
        {{"--input=\"my", "file.png\"", "-o", "x"}, "my file.png", "x", ""},
        {{"-o", "\"my", "folder\"", "-i", "a.png"}, "a.png", "my folder", ""},
        // A quoted conversion type is not joined: the next parameter stands alone.
        {{"-c", "\"psd", "-i", "a.png"}, "a.png", "", "psd"},
        {{"-i", "a.png", "  -o  ", "  out  "}, "a.png", "out", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.params.join(u' ').toStdString());
        const ParsedCommandLine r = Parse(c.params);
        EXPECT_EQ(r.errorText, QString());
        EXPECT_EQ(ConversionJob.inputArgument, QString::fromLatin1(c.input));
        EXPECT_EQ(ConversionJob.outputFolder, QString::fromLatin1(c.output));
        EXPECT_EQ(ConversionJob.conversionType, QString::fromLatin1(c.conversion));
    }
}

TEST(ReadParameters, ErrorStopsTheLoopAndKeepsEarlierOptions) {
    ParsedCommandLine r = Parse({"-o", "out", "-q", "-i", "-d", "-p"});
    EXPECT_EQ(r.action, CommandLineAction::Error);
    EXPECT_EQ(ConversionJob.outputFolder, QStringLiteral("out"));
    EXPECT_TRUE(r.quiet);
    // -i took "-d" as its value and refused it; "-d" and "-p" were never seen.
    EXPECT_FALSE(r.pause);
    EXPECT_NE(ConversionJob.runMode, QStringLiteral("DEBUG"));

    r = Parse({"-p", "-i"});
    EXPECT_EQ(r.action, CommandLineAction::Error);
    EXPECT_TRUE(r.pause);
}

TEST(ReadParameters, FlagsAndRunMode) {
    ParsedCommandLine r = Parse({"-i", "a.png", "-q", "--PAUSE", "--debug"});
    EXPECT_TRUE(r.quiet);
    EXPECT_TRUE(r.pause);
    EXPECT_EQ(ConversionJob.runMode, QStringLiteral("DEBUG"));
    EXPECT_EQ(ConversionJob.commandLineMode, 1);

    // The first parameter is looked at again by the loop; unknown names are ignored.
    r = Parse({"-q", "-zzz", "loose", "-i", "a.png"});
    EXPECT_TRUE(r.quiet);
    EXPECT_EQ(r.action, CommandLineAction::Convert);
}

TEST(ConsoleTexts, HelpHasItsThirtySixLines) {
    const QStringList lines = HelpLines(QStringLiteral("rastoccmd"));
    ASSERT_EQ(lines.size(), 36);
    EXPECT_EQ(lines[0], QStringLiteral(" "));
    EXPECT_EQ(lines[1], QStringLiteral("Usage: rastoccmd -i <filename> [options]"));
    EXPECT_EQ(lines[3], QStringLiteral("  rastoccmd -i example.png"));
    EXPECT_EQ(lines[6], QStringLiteral("  rastoccmd -i c:\\tmp\\example.png -o d:\\converted --jpg-quality=95"));
    EXPECT_EQ(lines[13], QStringLiteral("  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)"));
    EXPECT_EQ(lines[35], QStringLiteral("  -v, --version             Display version information and exit"));
    for (const QString& line : lines) EXPECT_FALSE(line.isEmpty());
}

TEST(ConsoleTexts, VersionAndBanner) {
    EXPECT_EQ(VersionLines(), QStringList{QStringLiteral("2.3")});
    const QStringList banner = BannerLines();
    ASSERT_EQ(banner.size(), 4);
    EXPECT_EQ(banner[0], QStringLiteral("Tolvane PNG to PSD 2.3"));
    EXPECT_TRUE(banner[1].startsWith(QStringLiteral("(c) "))) << banner[1].toStdString();
    EXPECT_FALSE(banner[1].contains(QChar(0x00A9)));
    EXPECT_TRUE(banner[2].contains(QStringLiteral("tolvane.example")));
    EXPECT_EQ(banner[3], QStringLiteral(" "));
    LoadDefaultSettings(true);
    QString watermark = ConversionSettings.watermark.text;
    EXPECT_EQ(watermark.replace(QChar(0x00A9), QLatin1String("(c)")), banner[1]);
}

TEST(ReadParameters, LongOptionsTakeTheirOwnValueOnly) {
    const struct {
        QStringList params;
        const char* error;
    } cases[] = {
        {{"-i", "a.png", "--width"}, "Incorrect number of parameters"},
        {{"-i", "a.png", "--width="}, "Incorrect number of parameters"},
        {{"-i", "a.png", "--brightness=--20"}, "Incorrect number of parameters"},
        {{"-i", "a.png", "--brightness=-20"}, ""},
        {{"-i", "a.png", "--profile=/nonexistent/profile.ini"}, "Invalid profile file"},
        {{"-i", "a.png", "--profile"}, "Incorrect number of parameters"},
        {{"-i", "a.png", "--flip-horizontal"}, ""},
        {{"-i", "a.png", "--no-such-option"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.params.join(u' ').toStdString());
        EXPECT_EQ(Parse(c.params).errorText, QString::fromLatin1(c.error));
    }
}

TEST(ReadParameters, LongOptionsSetTheSettings) {
    Parse({"-i", "a.png", "--Width=10", "--brightness=-20", "--flip-vertical=0", "--wm-text=\"two", "words\"",
           "--height=5"});
    const ConversionSettingsRecord& s = ConversionSettings;
    EXPECT_EQ(s.transform.imageWidth, 10);
    EXPECT_EQ(s.transform.imageHeight, 5);
    EXPECT_EQ(s.transform.doImageResize, 1);
    EXPECT_EQ(s.adjustment.imageBrightness, -20);
    EXPECT_EQ(s.adjustment.doImageColorCorrection, 1);
    EXPECT_EQ(s.transform.doImageFlipVertical, 1);
    EXPECT_EQ(s.watermark.text, QStringLiteral("two words"));
    // The later value wins.
    Parse({"-i", "a.png", "--width=10", "--width=20"});
    EXPECT_EQ(ConversionSettings.transform.imageWidth, 20);
}
