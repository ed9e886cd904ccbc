#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "batch/command_line_job.h"
#include "batch/job.h"
#include "batch/output_naming.h"
#include "batch/worker.h"
#include "batch_test_support.h"
#include "platform/date_value.h"
#include "settings/settings.h"

namespace {

// Stands in for the pipeline: names the output like it and writes a file there.
bool ConvertSucceeds(ConvertError* error) {
    ConversionJob.finalOutputPath = BuildOutputPath();
    *error = ConvertError::None;
    return WriteTestFile(ConversionJob.finalOutputPath, "psd");
}

// Fails before any output name is built, as a file that cannot be read does.
bool ConvertFails(ConvertError* error) {
    *error = ConvertError::CannotRead;
    return false;
}

// Converts, then asks the job to stop, as the window's stop button does mid-file.
bool ConvertThenStop(ConvertError* error) {
    ConversionJob.running = 0;
    return ConvertSucceeds(error);
}

class Worker : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
        ResetBatchState();
        input = folder + QStringLiteral("Holiday.png");
        ASSERT_TRUE(WriteTestFile(input, "png"));
        ConversionJob.conversionType = QStringLiteral("psd");
        ConversionJob.outputFolder = folder;
        ConversionJob.fileMap[input].added = 1;
        ConversionJob.running = 1;
    }
    void TearDown() override { SetFileConverter(nullptr); }
    // Runs the worker the way a starter does.
    void RunWorker(FileConverter convert) {
        SetFileConverter(convert);
        CreateJobLock();
        ASSERT_TRUE(StartConversionWorker());
        WaitForConversionWorker();
        FreeJobLock();
        EXPECT_FALSE(ConversionWorkerAlive());
    }
    QTemporaryDir dir;
    QString folder;
    QString input;
};

TEST_F(Worker, ConvertsTheFileAndAdvancesTheCounters) {
    ConversionJob.runMode = QStringLiteral("DEBUG");
    CapturedOutput output;
    RunWorker(ConvertSucceeds);
    EXPECT_EQ(ConversionJob.progressIndex, 1);
    EXPECT_EQ(ConversionJob.progressPath, input);
    EXPECT_EQ(ConversionJob.fileCount, 1);
    EXPECT_EQ(ConversionJob.sequenceNumber, 2);
    EXPECT_GE(ConversionJob.randomNumber, 1);
    EXPECT_LE(ConversionJob.randomNumber, 99999);
    EXPECT_EQ(output.Lines(), (QStringList{"Processing: " + input, "Saving As: " + folder + "Holiday.psd", "OK"}));
    EXPECT_TRUE(output.ErrorLines().isEmpty());
}

TEST_F(Worker, AFailedFileCountsAsAttemptedOnly) {
    const struct {
        const char* name;
        uint8_t commandLineMode;
        const char* runMode;
        bool debugLines;
        bool reason;
    } cases[] = {
        {"command line, debug", 1, "DEBUG", true, true},
        {"command line", 1, "", false, true},
        {"window, debug run mode", 0, "DEBUG", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConversionJob.commandLineMode = c.commandLineMode;
        ConversionJob.runMode = QString::fromUtf8(c.runMode);
        ConversionJob.sequenceNumber = 1;
        ConversionJob.randomNumber = 4242;
        ConversionJob.finalOutputPath.clear();
        CapturedOutput output;
        RunWorker(ConvertFails);
        EXPECT_EQ(ConversionJob.progressIndex, 1);
        EXPECT_EQ(ConversionJob.fileCount, 0);
        EXPECT_EQ(ConversionJob.sequenceNumber, 1);
        EXPECT_EQ(ConversionJob.randomNumber, 4242);
        const QStringList debug = {"Processing: " + input, "Saving As: ", "Not OK"};
        EXPECT_EQ(output.Lines(), c.debugLines ? debug : QStringList());
        const QStringList reason = {"Cannot convert " + input + ": the file is missing or is not a readable PNG image"};
        EXPECT_EQ(output.ErrorLines(), c.reason ? reason : QStringList());
    }
}

TEST_F(Worker, EndsAtOnceWithNothingToDo) {
    const struct {
        const char* name;
        bool emptyMap;
        uint8_t running;
    } cases[] = {
        {"empty map", true, 1},
        {"stopped before the first file", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.emptyMap) ConversionJob.fileMap.clear();
        ConversionJob.running = c.running;
        ConversionJob.fileCount = 7;
        ConversionJob.progressIndex = 0;
        RunWorker(ConvertSucceeds);
        EXPECT_EQ(ConversionJob.fileCount, 0);
        EXPECT_EQ(ConversionJob.progressIndex, 0);
        EXPECT_EQ(ConversionJob.sequenceNumber, 1);
    }
}

TEST_F(Worker, AStopLetsTheCurrentFileFinish) {
    ConversionJob.fileMap[folder + QStringLiteral("second.png")].added = 1;
    RunWorker(ConvertThenStop);
    EXPECT_EQ(ConversionJob.progressIndex, 1);
    EXPECT_EQ(ConversionJob.fileCount, 1);
    EXPECT_EQ(ConversionJob.sequenceNumber, 2);
}

TEST_F(Worker, SetsTheOutputTimeByFileTimestamp) {
    const qint64 original = 1600000000;  // 2020-09-13, away from any clock change
    QFile in(input);
    ASSERT_TRUE(in.open(QIODevice::ReadWrite));
    ASSERT_TRUE(in.setFileTime(QDateTime::fromSecsSinceEpoch(original), QFileDevice::FileModificationTime));
    in.close();
    const struct {
        const char* name;
        int8_t fileTimestamp;
        int32_t customTimestamp;
        qint64 expected;  // -1: the time of writing
    } cases[] = {
        {"current", 0, 86400, -1},
        {"original", 1, 86400, original},
        {"custom", 2, 1600000000, EpochFromDateValue(1600000000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConversionSettings.advanced.fileTimestamp = c.fileTimestamp;
        ConversionSettings.advanced.customTimestamp = c.customTimestamp;
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        RunWorker(ConvertSucceeds);
        const qint64 after = QDateTime::currentSecsSinceEpoch();
        ASSERT_EQ(ConversionJob.fileCount, 1);
        const qint64 written = QFileInfo(ConversionJob.finalOutputPath).lastModified().toSecsSinceEpoch();
        if (c.expected < 0) {
            EXPECT_GE(written, before);
            EXPECT_LE(written, after);
        } else {
            EXPECT_EQ(written, c.expected);
        }
    }
}

// Runs the body with the process time zone set to the POSIX rule.
class TimeZone {
public:
    explicit TimeZone(const char* rule) {
        const char* old = std::getenv("TZ");
        hadOld = old != nullptr;
        if (hadOld) saved = old;
        setenv("TZ", rule, 1);
        tzset();
    }
    ~TimeZone() {
        if (hadOld)
            setenv("TZ", saved.constData(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool hadOld = false;
    QByteArray saved;
};

TEST_F(Worker, CustomTimestampIsLocalWallClockTime) {
    const struct {
        const char* zone;
        int32_t custom;
        qint64 epoch;  // the moment that local time shows as 1970-01-01 + custom
    } cases[] = {
        {"UTC0", 0, 0},
        {"EST5", 0, 5 * 3600},  // 1970-01-01 00:00:00 in New York is 05:00 UTC
        {"EST5", 3600, 6 * 3600},
        {"JST-9", 86400, 86400 - 9 * 3600},
    };
    ConversionSettings.advanced.fileTimestamp = 2;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        TimeZone zone(c.zone);
        ConversionSettings.advanced.customTimestamp = c.custom;
        RunWorker(ConvertSucceeds);
        ASSERT_EQ(ConversionJob.fileCount, 1);
        EXPECT_EQ(QFileInfo(ConversionJob.finalOutputPath).lastModified().toSecsSinceEpoch(), c.epoch);
    }
}

TEST_F(Worker, OriginalTimestampKeepsTheInputTimeInAnyZone) {
    const char* const zones[] = {"UTC0", "EST5EDT,M3.2.0,M11.1.0", "CET-1CEST,M3.5.0,M10.5.0/3"};
    const qint64 moments[] = {1600000000, 1700000000, 86400 * 3 + 17};
    ConversionSettings.advanced.fileTimestamp = 1;
    for (const char* z : zones) {
        TimeZone zone(z);
        for (const qint64 moment : moments) {
            SCOPED_TRACE(testing::Message() << z << " " << moment);
            QFile in(input);
            ASSERT_TRUE(in.open(QIODevice::ReadWrite));
            ASSERT_TRUE(in.setFileTime(QDateTime::fromSecsSinceEpoch(moment), QFileDevice::FileModificationTime));
            in.close();
            RunWorker(ConvertSucceeds);
            ASSERT_EQ(ConversionJob.fileCount, 1);
            EXPECT_EQ(QFileInfo(ConversionJob.finalOutputPath).lastModified().toSecsSinceEpoch(), moment);
        }
    }
}

TEST_F(Worker, StartFailsWhileAWorkerWasNotWaitedFor) {
    SetFileConverter(ConvertSucceeds);
    CreateJobLock();
    ASSERT_TRUE(StartConversionWorker());
    EXPECT_FALSE(StartConversionWorker());
    WaitForConversionWorker();
    FreeJobLock();
    EXPECT_EQ(ConversionJob.fileCount, 1);
}

class CommandLineRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
        ASSERT_TRUE(WriteTestFile(folder + QStringLiteral("in.png"), "png"));
        ASSERT_TRUE(WriteTestFile(folder + QStringLiteral("list.txt"), "in.png"));
        ASSERT_TRUE(WriteTestFile(folder + QStringLiteral("list.LST"), "in.png"));
        ASSERT_TRUE(WriteTestFile(folder + QStringLiteral("in.jpg"), "jpg"));
        Reset();
    }
    void TearDown() override { SetFileConverter(nullptr); }
    void Reset() {
        ResetBatchState();
        ConversionJob.inputArgument = folder + QStringLiteral("in.png");
    }
    QTemporaryDir dir;
    QString folder;
};

TEST_F(CommandLineRun, PrintsProgressAndSummary) {
    const QString imported1 = QStringLiteral("Import complete, new files added: 1");
    const QString imported0 = QStringLiteral("Import complete, new files added: 0");
    const QString stopped = QStringLiteral("Conversion stopped");
    const QString empty = QStringLiteral("No input file(s) found. Please, add valid file(s) and try again!");
    const struct {
        const char* name;
        const char* input;
        FileConverter convert;
        bool quiet;
        int status;
        QStringList lines;
    } cases[] = {
        {"converted",
         "in.png",
         ConvertSucceeds,
         false,
         RunConverted,
         {"Preparing...", "Importing...", imported1, "Converting...", "Conversion complete",
          "Files converted: 1 of 1"}},
        {"converted, quiet", "in.png", ConvertSucceeds, true, RunConverted, {}},
        {"failed",
         "in.png",
         ConvertFails,
         false,
         RunNothingConverted,
         {"Preparing...", "Importing...", imported1, "Converting...", stopped}},
        {"failed, quiet", "in.png", ConvertFails, true, RunNothingConverted, {stopped}},
        {"list file",
         "list.txt",
         ConvertSucceeds,
         false,
         RunNothingConverted,
         {"Preparing...", "Importing...", imported0, stopped, empty}},
        {"list file, quiet", "list.LST", ConvertSucceeds, true, RunNothingConverted, {stopped, empty}},
        {"not an input format",
         "in.jpg",
         ConvertSucceeds,
         false,
         RunNothingConverted,
         {"Preparing...", "Importing...", imported0, stopped, empty}},
        {"check fails", "missing.png", ConvertSucceeds, true, RunCheckFailed, {"Error: Invalid input file"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        ConversionJob.inputArgument = folder + QString::fromUtf8(c.input);
        SetFileConverter(c.convert);
        CapturedOutput output;
        EXPECT_EQ(RunCommandLineJob(c.quiet), c.status);
        EXPECT_EQ(output.Lines(), c.lines);
        EXPECT_EQ(ConversionJob.jobLock, nullptr);
    }
}

TEST_F(CommandLineRun, WorkerLinesComeBetweenConvertingAndTheSummary) {
    ConversionJob.runMode = QStringLiteral("DEBUG");
    SetFileConverter(ConvertSucceeds);
    CapturedOutput output;
    ASSERT_EQ(RunCommandLineJob(false), RunConverted);
    const QStringList lines = output.Lines();
    const qsizetype converting = lines.indexOf(QStringLiteral("Converting..."));
    ASSERT_GE(converting, 0);
    const QStringList expected = {
        "Converting...",       "Processing: " + folder + "in.png", "Saving As: " + folder + "in.psd", "OK",
        "Conversion complete", "Files converted: 1 of 1",
    };
    EXPECT_EQ(lines.mid(converting), expected);
    EXPECT_EQ(lines.at(converting - 2), QStringLiteral("Importing..."));
    EXPECT_EQ(lines.at(converting - 3), QStringLiteral("Keep Subfolders: 1"));
}

TEST_F(CommandLineRun, TheNextJobUsesTheNextSequenceNumber) {
    SetFileConverter(ConvertSucceeds);
    ConversionSettings.advanced.filenameMask = QStringLiteral("IMG_%n%.%ext%");
    const QStringList expected = {folder + "img_00001.psd", folder + "img_00002.psd"};
    QStringList written;
    for (int run = 0; run < 2; ++run) {
        ConversionJob.inputArgument = folder + QStringLiteral("in.png");
        ConversionJob.outputFolder.clear();
        CapturedOutput output;
        ASSERT_EQ(RunCommandLineJob(true), RunConverted);
        written << ConversionJob.finalOutputPath;
    }
    EXPECT_EQ(written, expected);
}

}  // namespace
