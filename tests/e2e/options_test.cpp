// Long options, profiles and image operations driven from the real command line.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "e2e_support.h"

namespace {

class Options : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
        input = folder + QStringLiteral("sample.png");
        output = folder + QStringLiteral("out");
        ASSERT_TRUE(QFile::copy(QStringLiteral(SOURCE_DIR "/examples/sample.png"), input));
        ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("out")));
    }
    void WriteProfile(const QByteArray& text) {
        QFile f(folder + QStringLiteral("profile.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    // The debug lines that start with one of the prefixes, in order.
    static QStringList Lines(const RunResult& r, const QStringList& prefixes) {
        QStringList picked;
        for (const QString& line : r.outLines())
            for (const QString& p : prefixes)
                if (line.startsWith(p)) picked << line;
        return picked;
    }
    // Size and mode of a PSD as Pillow reads it, "" when it cannot.
    static QString PillowDescription(const QString& path) {
        QProcess p;
        p.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"),
                 QStringLiteral("import sys\nfrom PIL import Image\nim = Image.open(sys.argv[1])\n"
                                "print(im.mode, im.size[0], im.size[1])"),
                 path});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) return QString();
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    QTemporaryDir dir;
    QString folder, input, output;
};

TEST_F(Options, ImageOperationsFromTheCommandLine) {
    // 301 x 199 turned by 45 degrees is 354 x 354; half of that is 177.
    const RunResult r =
        RunProgram({"-q", "-i", input, "-o", output, "--rotation=45", "--width=50%", "--height=50%",
                    "--width-unit=percent", "--height-unit=percent", "--brightness=10", "--fr-solid-left=8",
                    "--wm-text=\"%filename%", "%width%x%height%\"", "--filename-mask=%filename%_%width%.%ext%"},
                   folder);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QString());
    const QStringList files = QDir(output).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    const QString psd = output + u'/' + files[0];
    EXPECT_TRUE(files[0].startsWith(QStringLiteral("sample_17"))) << files[0].toStdString();
    const QString described = PillowDescription(psd);
    if (described.isEmpty()) GTEST_SKIP() << "Pillow is not available";
    EXPECT_TRUE(described.startsWith(QStringLiteral("RGBA 17"))) << described.toStdString();
}

TEST_F(Options, DebugDumpShowsOptionsAndProfileInTheirOrder) {
    WriteProfile(
        "\xEF\xBB\xBF\r\n[cli]\r\n--brightness = 40\r\n--gamma = 2.5\r\n--fr-solid-opacity = 9\r\n"
        "--filename-mask = \"%filename%-p.%ext%\"\r\n--flip-horizontal = 0\r\n");
    const QString profile = QStringLiteral("--profile=") + folder + QStringLiteral("profile.ini");
    const QStringList wanted = {"Brightness: ", "Gamma: ", "Flip Horizontal: ", "Filename Mask: "};

    // Options before the profile are overwritten by it.
    RunResult r = RunProgram({"-d", "-i", input, "-o", output, "--brightness=-5", profile}, folder);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(Lines(r, wanted), (QStringList{"Flip Horizontal: 1", "Brightness: 40", "Gamma: 2.50",
                                             "Filename Mask: %filename%-p.%ext%"}));
    EXPECT_TRUE(QFile::exists(output + QStringLiteral("/sample-p.psd")));

    // Options after it win.
    r = RunProgram({"-d", "-i", input, "-o", output, profile, "--brightness=-5", "--filename-mask=%filename%.%ext%"},
                   folder);
    EXPECT_EQ(Lines(r, wanted),
              (QStringList{"Flip Horizontal: 1", "Brightness: -5", "Gamma: 2.50", "Filename Mask: %filename%.%ext%"}));
}

TEST_F(Options, BadOptionValuesAndProfiles) {
    const struct {
        QStringList args;
        const char* line;
    } cases[] = {
        {{"--width"}, "Error: Incorrect number of parameters"},
        {{"--brightness=--20"}, "Error: Incorrect number of parameters"},
        {{"--profile=/no/such/profile.ini"}, "Error: Invalid profile file"},
        {{"--brightness=101"}, "Error: Invalid brightness value"},
        {{"--gamma=abc"}, "Error: Invalid gamma value"},
        {{"--width=0"}, "Error: Invalid width value"},
        {{"--wm-text=x", "--wm-font=NoSuchFontXyz"}, "Error: Invalid watermark font"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const RunResult r = RunProgram(QStringList{"-q", "-i", input, "-o", output} + c.args, folder);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.outLines().value(r.outLines().size() - 1), QString::fromLatin1(c.line));
        EXPECT_TRUE(QDir(output).entryList(QDir::Files).isEmpty());
    }
}

}  // namespace
