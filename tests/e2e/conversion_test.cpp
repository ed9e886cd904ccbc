#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "e2e_support.h"

namespace {

const QStringList Banner = {
    "Tolvane PNG to PSD 2.3",
    "(c) 2009-2026 Tolvane Software",
    "https://www.tolvane.example/",
    " ",
};

// A folder with a copy of the sample image and an empty output folder.
class Conversion : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
        input = folder + QStringLiteral("sample.png");
        output = folder + QStringLiteral("out");
        ASSERT_TRUE(QFile::copy(QStringLiteral(SOURCE_DIR "/examples/sample.png"), input));
        ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("out")));
    }
    RunResult Run(QStringList args) { return RunProgram(args, folder); }
    QStringList OutputFiles() const { return QDir(output).entryList(QDir::Files); }
    bool IsPsd(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) && f.read(4) == QByteArray("8BPS");
    }
    QTemporaryDir dir;
    QString folder;
    QString input;
    QString output;
};

TEST_F(Conversion, DefaultRunPrintsProgressAndWritesThePsd) {
    const RunResult r = Run({"-i", input, "-o", output});
    EXPECT_FALSE(r.crashed);
    EXPECT_EQ(r.status, 0);
    const QStringList expected =
        Banner + QStringList{"Preparing...",  "Importing...",        "Import complete, new files added: 1",
                             "Converting...", "Conversion complete", "Files converted: 1 of 1"};
    EXPECT_EQ(r.outLines(), expected);
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(OutputFiles(), QStringList{"sample.psd"});
    EXPECT_TRUE(IsPsd(output + QStringLiteral("/sample.psd")));
}

TEST_F(Conversion, QuietRunPrintsNothing) {
    const RunResult r = Run({"-q", "-i", input, "-o", output});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QString());
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(OutputFiles(), QStringList{"sample.psd"});
}

TEST_F(Conversion, DebugRunPrintsTheWholeDump) {
    const RunResult r = Run({"-d", "-i", input, "-o", output});
    EXPECT_EQ(r.status, 0);
    const QStringList expected = Banner + QStringList{
                                              "Preparing...",
                                              "Input: " + input,
                                              "Output: " + output,
                                              "Conversion: psd",
                                              "PSD BPP: 0",
                                              "Flip Horizontal: 0",
                                              "Flip Vertical: 0",
                                              "Greyscale: 0",
                                              "Frame: none",
                                              "Watermark: none",
                                              "Filename Mask: %filename%.%ext%",
                                              "File Timestamp: current",
                                              "Keep Subfolders: 1",
                                              "Importing...",
                                              "Import complete, new files added: 1",
                                              "Converting...",
                                              "Processing: " + input,
                                              "Saving As: " + output + "/sample.psd",
                                              "OK",
                                              "Conversion complete",
                                              "Files converted: 1 of 1",
                                          };
    EXPECT_EQ(r.outLines(), expected);
}

TEST_F(Conversion, WithoutAnOutputFolderThePsdGoesBesideTheInput) {
    const RunResult r = Run({"-q", "-i", input});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(IsPsd(folder + QStringLiteral("sample.psd")));
}

TEST_F(Conversion, AListFileAddsNothing) {
    for (const char* name : {"files.txt", "FILES.LST"}) {
        SCOPED_TRACE(name);
        const QString list = folder + QLatin1String(name);
        ASSERT_TRUE(QFile::copy(input, list));
        const RunResult r = Run({"-i", list, "-o", output});
        EXPECT_EQ(r.status, 2);
        const QStringList expected =
            Banner + QStringList{"Preparing...", "Importing...", "Import complete, new files added: 0",
                                 "Conversion stopped",
                                 "No input file(s) found. Please, add valid file(s) and try again!"};
        EXPECT_EQ(r.outLines(), expected);
        EXPECT_TRUE(OutputFiles().isEmpty());
    }
}

TEST_F(Conversion, AFailingFileStopsTheConversionAndSaysWhy) {
    const QString broken = folder + QStringLiteral("broken.png");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a PNG image");
    f.close();
    const struct {
        const char* name;
        QStringList args;
        QStringList lines;
    } cases[] = {
        {"normal",
         {"-i", broken, "-o", output},
         Banner + QStringList{"Preparing...", "Importing...", "Import complete, new files added: 1", "Converting...",
                              "Conversion stopped"}},
        {"quiet", {"-q", "-i", broken, "-o", output}, {"Conversion stopped"}},
        {"debug, quiet",
         {"-q", "-d", "-i", broken, "-o", output},
         {"Input: " + broken, "Output: " + output, "Conversion: psd", "PSD BPP: 0", "Flip Horizontal: 0",
          "Flip Vertical: 0", "Greyscale: 0", "Frame: none", "Watermark: none", "Filename Mask: %filename%.%ext%",
          "File Timestamp: current", "Keep Subfolders: 1", "Processing: " + broken, "Saving As: ", "Not OK",
          "Conversion stopped"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RunResult r = Run(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.outLines(), c.lines);
        EXPECT_EQ(r.err, "Cannot convert " + broken + ": the file is missing or is not a readable PNG image\n");
        EXPECT_TRUE(OutputFiles().isEmpty());
    }
}

TEST_F(Conversion, BadInputAndOutputFoldersAreRefused) {
    QFile empty(folder + QStringLiteral("empty.png"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const struct {
        const char* name;
        QStringList args;
        const char* error;
    } cases[] = {
        {"missing output folder", {"-i", input, "-o", folder + "nowhere"}, "Error: Invalid output folder"},
        {"output is a file", {"-i", input, "-o", input}, "Error: Invalid output folder"},
        {"parent folder", {"-i", input, "-o", ".."}, "Error: Incorrect output folder"},
        {"below the parent folder", {"-i", input, "-o", "../out"}, "Error: Incorrect output folder"},
        {"no extension", {"-i", folder + "sample", "-o", output}, "Error: Invalid input file"},
        {"missing input", {"-i", folder + "missing.png", "-o", output}, "Error: Invalid input file"},
        {"empty input", {"-i", folder + "empty.png", "-o", output}, "Error: Invalid input file"},
        {"type in capitals", {"-i", input, "-o", output, "-c", "PSD"}, "Error: Invalid conversion type"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RunResult r = Run(QStringList{"-q"} + c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.outLines(), QStringList{QString::fromUtf8(c.error)});
        EXPECT_TRUE(OutputFiles().isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("nowhere")));
}

TEST_F(Conversion, ARelativeOutputFolderIsBesideTheExecutable) {
    // Relative output folders are resolved against the program folder, not
    // the current one; use a fresh name there and remove it afterwards.
    const QString programFolder = QFileInfo(QStringLiteral(RASTOCCMD_PATH)).absolutePath() + QLatin1Char('/');
    const QString name = QStringLiteral("e2e-out-%1").arg(QRandomGenerator::global()->generate());
    ASSERT_TRUE(QDir(programFolder).mkdir(name));
    for (const QString& given : {name, "./" + name, name + "/"}) {
        SCOPED_TRACE(given.toStdString());
        QFile::remove(programFolder + name + QStringLiteral("/sample.psd"));
        const RunResult r = Run({"-q", "-d", "-i", input, "-o", given});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.outLines().contains("Saving As: " + programFolder + name + "/sample.psd")) << r.out.toStdString();
        EXPECT_TRUE(IsPsd(programFolder + name + QStringLiteral("/sample.psd")));
        EXPECT_TRUE(OutputFiles().isEmpty());
    }
    QDir(programFolder + name).removeRecursively();
}

TEST_F(Conversion, OriginalTimestampCopiesTheInputTime) {
    const qint64 moment = 1600000000;
    QFile in(input);
    ASSERT_TRUE(in.open(QIODevice::ReadWrite));
    ASSERT_TRUE(in.setFileTime(QDateTime::fromSecsSinceEpoch(moment), QFileDevice::FileModificationTime));
    in.close();
    const RunResult r = Run({"-q", "-i", input, "-o", output, "--file-timestamp=original"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(QFileInfo(output + QStringLiteral("/sample.psd")).lastModified().toSecsSinceEpoch(), moment);
}

}  // namespace
