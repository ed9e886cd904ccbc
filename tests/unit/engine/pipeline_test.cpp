#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <csignal>

#include "batch/job.h"
#include "engine/pipeline.h"
#include "engine_test_support.h"
#include "png_fixtures.h"
#include "psd_reader.h"
#include "settings/settings.h"

namespace {
const QByteArray kOldOutput = "an older output";

// Checks the PSD at path holds exactly the expected picture, by our reader
// and by Pillow.
void ExpectPsd(const QString& path, int width, int height, const std::vector<uint8_t>& rgba) {
    PsdPicture psd;
    QString problem;
    ASSERT_TRUE(ReadPsd(ReadWholeFile(path), &psd, &problem)) << problem.toStdString();
    EXPECT_EQ(psd.version, 1);
    EXPECT_EQ(psd.channels, 4);
    EXPECT_EQ(psd.depth, 8);
    EXPECT_EQ(psd.colourMode, 3);  // RGB
    EXPECT_EQ(psd.width, width);
    EXPECT_EQ(psd.height, height);
    EXPECT_TRUE(psd.rgba == rgba) << "pixels differ (our reader)";

    if (PillowMissing()) return;
    QString mode;
    int pillowWidth = 0, pillowHeight = 0;
    QByteArray pillowRgba;
    ASSERT_TRUE(ReadWithPillow(path, &mode, &pillowWidth, &pillowHeight, &pillowRgba));
    EXPECT_EQ(mode, QString("RGBA"));
    EXPECT_EQ(pillowWidth, width);
    EXPECT_EQ(pillowHeight, height);
    EXPECT_TRUE(pillowRgba == QByteArray(reinterpret_cast<const char*>(rgba.data()), rgba.size()))
        << "pixels differ (Pillow)";
}

// A PNG start whose IHDR claims the size; the rest is not image data.
QByteArray PngHead(uint32_t width, uint32_t height) {
    QByteArray head("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (uint32_t value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) head.append(static_cast<char>(value >> shift & 255));
    return head + QByteArray("\x08\x06\0\0\0", 5) + QByteArray(64, 'x');
}
}  // namespace

TEST(ConvertCurrentFile, WritesEveryPngKindAsRgbaPsd) {
    const struct {
        PngKind kind;
        int width, height;
    } cases[] = {
        {PngKind::Rgba, 37, 23},  {PngKind::Rgb, 37, 23},    {PngKind::PaletteTransparent, 37, 23},
        {PngKind::Grey1, 37, 23}, {PngKind::Grey, 37, 23},   {PngKind::GreyAlpha, 37, 23},
        {PngKind::Rgb16, 37, 23}, {PngKind::Rgba16, 37, 23}, {PngKind::Grey16, 37, 23},
        {PngKind::Rgba, 1, 1},    {PngKind::Rgba, 300, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << PngKindName(c.kind) << " " << c.width << "x" << c.height);
        EngineRun run;
        ASSERT_TRUE(WriteFixturePng(run.InputPath(), c.kind, c.width, c.height));
        ConvertError error = ConvertError::CannotRead;
        ASSERT_TRUE(run.Convert(&error));
        EXPECT_EQ(error, ConvertError::None);
        EXPECT_EQ(run.OutputNames(), QStringList{"in.psd"});
        EXPECT_EQ(ConversionJob.sourceBitDepth, FixtureLoadedDepth(c.kind));
        EXPECT_EQ(ConversionJob.outputBitDepth, 32);
        EXPECT_EQ(ConversionJob.imageWidth, c.width);
        EXPECT_EQ(ConversionJob.imageHeight, c.height);
        EXPECT_EQ(ConversionJob.finalOutputPath, run.OutputPath());
        ExpectPsd(run.OutputPath(), c.width, c.height, FixtureRgba(c.kind, c.width, c.height));
    }
}

TEST(ConvertCurrentFile, AlwaysWritesFourChannelsWhateverTheDepth) {
    // Depths of the conversion table other than 32 still reach DevIL as 32 bits.
    const struct {
        int depth;
        bool exact;
    } cases[] = {{32, true}, {24, true}, {8, false}, {1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.depth);
        EngineRun run;
        ASSERT_TRUE(WriteFixturePng(run.InputPath(), PngKind::Rgb, 37, 23));
        ConversionJob.automaticDepth = 0;
        ConversionJob.outputBitDepth = c.depth;
        ASSERT_TRUE(run.Convert(nullptr));
        PsdPicture psd;
        ASSERT_TRUE(ReadPsd(ReadWholeFile(run.OutputPath()), &psd, nullptr));
        EXPECT_EQ(psd.channels, 4);
        EXPECT_EQ(psd.width, 37);
        EXPECT_EQ(psd.height, 23);
        if (c.exact) {
            EXPECT_TRUE(psd.rgba == FixtureRgba(PngKind::Rgb, 37, 23));
        }
    }
}

TEST(ConvertCurrentFile, UnlistedOutputDepthFailsAndWritesNothing) {
    for (int depth : {0, 7, 33, 64, -1}) {
        SCOPED_TRACE(depth);
        EngineRun run;
        ASSERT_TRUE(WriteFixturePng(run.InputPath(), PngKind::Rgba, 37, 23));
        ConversionJob.automaticDepth = 0;
        ConversionJob.outputBitDepth = depth;
        ConvertError error = ConvertError::None;
        EXPECT_FALSE(run.Convert(&error));
        EXPECT_EQ(error, ConvertError::StageFailed);
        EXPECT_TRUE(run.OutputNames().isEmpty());
    }
}

TEST(ConvertCurrentFile, UnreadableInputFailsAndWritesNothing) {
    const struct {
        const char* name;
        QByteArray bytes;
        bool create;
    } cases[] = {
        {"missing file", {}, false},
        {"empty file", {}, true},
        {"text file", "not a picture at all, just some words", true},
        {"header only, claims 40 x 30", PngHead(40, 30), true},
        {"zero width", PngHead(0, 30), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EngineRun run;
        if (c.create) {
            ASSERT_TRUE(WriteWholeFile(run.InputPath(), c.bytes));
        }
        ConvertError error = ConvertError::None;
        EXPECT_FALSE(run.Convert(&error));
        EXPECT_EQ(error, ConvertError::CannotRead);
        EXPECT_TRUE(run.OutputNames().isEmpty());
        EXPECT_TRUE(ConversionJob.finalOutputPath.isEmpty());
    }
}

TEST(ConvertCurrentFile, TruncatedPngFailsAndWritesNothing) {
    EngineRun run;
    ASSERT_TRUE(WriteFixturePng(run.InputPath(), PngKind::Rgba, 37, 23));
    const QByteArray whole = ReadWholeFile(run.InputPath());
    ASSERT_TRUE(WriteWholeFile(run.InputPath(), whole.left(whole.size() / 2)));
    ConvertError error = ConvertError::None;
    EXPECT_FALSE(run.Convert(&error));
    EXPECT_TRUE(run.OutputNames().isEmpty());
}

TEST(ConvertCurrentFile, OversizedHeaderIsRefusedBeforeDecoding) {
    // Only the header is valid: a refusal by size shows nothing was decoded,
    // and the row just inside the limits reaches the decoder and fails there.
    const struct {
        uint32_t width, height;
        ConvertError error;
    } cases[] = {
        {30001, 1, ConvertError::TooLarge},
        {1, 30001, ConvertError::TooLarge},
        {0x7FFFFFFF, 0x7FFFFFFF, ConvertError::TooLarge},
        {30000, 17896, ConvertError::TooLarge},  // 40 + 4 × W × H passes 2^31 - 1
        {30000, 17895, ConvertError::CannotRead},
        {30000, 1, ConvertError::CannotRead},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        EngineRun run;
        ASSERT_TRUE(WriteWholeFile(run.InputPath(), PngHead(c.width, c.height)));
        ConvertError error = ConvertError::None;
        EXPECT_FALSE(run.Convert(&error));
        EXPECT_EQ(error, c.error);
        EXPECT_TRUE(run.OutputNames().isEmpty());
    }
}

TEST(ConvertCurrentFile, ReplacesAnExistingOutput) {
    const struct {
        const char* name;
        mode_t mode;
    } cases[] = {{"writable", 0644}, {"read-only", 0444}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EngineRun run;
        ASSERT_TRUE(WriteFixturePng(run.InputPath(), PngKind::Rgba, 37, 23));
        ASSERT_TRUE(WriteWholeFile(run.OutputPath(), kOldOutput));
        ASSERT_EQ(chmod(run.OutputPath().toUtf8().constData(), c.mode), 0);
        ASSERT_TRUE(run.Convert(nullptr));
        EXPECT_EQ(run.OutputNames(), QStringList{"in.psd"});
        ExpectPsd(run.OutputPath(), 37, 23, FixtureRgba(PngKind::Rgba, 37, 23));
    }
}

TEST(ConvertCurrentFile, UnreachableFinalNameFailsCleanly) {
    const struct {
        const char* name;
        const char* mask;
        bool folderMissing;
        ConvertError error;
    } cases[] = {
        {"mask names a missing subfolder", "missing/%filename%.%ext%", false, ConvertError::CannotReplace},
        {"output folder missing", "", true, ConvertError::CannotWrite},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EngineRun run;
        ASSERT_TRUE(WriteFixturePng(run.InputPath(), PngKind::Rgba, 37, 23));
        ConversionSettings.advanced.filenameMask = c.mask;
        if (c.folderMissing) run.UseOutputFolder(run.OutputFolder() + "absent/");
        ConvertError error = ConvertError::None;
        EXPECT_FALSE(run.Convert(&error));
        EXPECT_EQ(error, c.error);
        run.UseOutputFolder(run.OutputFolder());
        EXPECT_TRUE(run.OutputNames().isEmpty());
    }
}

namespace {
// Runs the conversion in a child whose files may not grow past limit bytes,
// as on a full disk; returns the child's ConvertError, or -1.
int ConvertUnderFileSizeLimit(EngineRun& run, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit cap{limit, limit};
        setrlimit(RLIMIT_FSIZE, &cap);
        signal(SIGXFSZ, SIG_IGN);
        ConvertError error = ConvertError::None;
        run.Convert(&error);
        _exit(static_cast<int>(error));
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// A 64 KiB tmpfs at folder; false when mounting is not allowed here.
bool MountTinyDisk(const QString& folder) {
    return geteuid() == 0 && mount("tmpfs", folder.toUtf8().constData(), "tmpfs", 0, "size=64k") == 0;
}
}  // namespace

TEST(ConvertCurrentFile, FailedWriteKeepsTheOldOutputAndLeavesNoTemporaryFile) {
    // The 200 × 200 picture needs a 160 kB PSD; both disks hold 64 kB.
    const char* cases[] = {"full tmpfs", "file size limit"};
    for (const char* name : cases) {
        SCOPED_TRACE(name);
        EngineRun run;
        ASSERT_TRUE(WriteFixturePng(run.InputPath(), PngKind::Rgba, 200, 200));
        const bool tmpfs = std::string(name) == "full tmpfs";
        if (tmpfs && !MountTinyDisk(run.OutputFolder())) {
            std::cout << "tmpfs cannot be mounted here; that row is skipped\n";
            continue;
        }
        ASSERT_TRUE(WriteWholeFile(run.OutputPath(), kOldOutput));
        int error = -1;
        if (tmpfs) {
            ConvertError result = ConvertError::None;
            EXPECT_FALSE(run.Convert(&result));
            error = static_cast<int>(result);
        } else {
            error = ConvertUnderFileSizeLimit(run, 64 * 1024);
        }
        EXPECT_EQ(error, static_cast<int>(ConvertError::CannotWrite));
        EXPECT_EQ(run.OutputNames(), QStringList{"in.psd"});
        EXPECT_EQ(ReadWholeFile(run.OutputPath()), kOldOutput);
        if (tmpfs) umount(run.OutputFolder().toUtf8().constData());
    }
}

TEST(ConvertErrorText, NamesEveryReasonDistinctly) {
    const ConvertError cases[] = {ConvertError::None,        ConvertError::CannotRead,   ConvertError::TooLarge,
                                  ConvertError::StageFailed, ConvertError::OutOfMemory,  ConvertError::WriterFailed,
                                  ConvertError::CannotWrite, ConvertError::CannotReplace};
    QStringList seen;
    for (ConvertError c : cases) {
        SCOPED_TRACE(static_cast<int>(c));
        const QString text = QString::fromUtf8(ConvertErrorText(c));
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(seen.contains(text));
        seen << text;
    }
}

TEST(ConvertCurrentFile, SamplePictureKeepsEveryPixelAsPillowReadsIt) {
    // Pillow decodes the PNG and reads the PSD; both must give the same bytes.
    if (PillowMissing()) GTEST_SKIP() << "Pillow is not installed";
    EngineRun run;
    const QString sample = QString(RASTOC_SOURCE_DIR) + "/examples/sample.png";
    ASSERT_TRUE(QFile::copy(sample, run.InputPath()));
    ASSERT_TRUE(run.Convert(nullptr));
    QString pngMode, psdMode;
    int pngWidth = 0, pngHeight = 0, psdWidth = 0, psdHeight = 0;
    QByteArray pngRgba, psdRgba;
    ASSERT_TRUE(ReadWithPillow(sample, &pngMode, &pngWidth, &pngHeight, &pngRgba));
    ASSERT_TRUE(ReadWithPillow(run.OutputPath(), &psdMode, &psdWidth, &psdHeight, &psdRgba));
    EXPECT_EQ(psdMode, QString("RGBA"));
    EXPECT_EQ(psdWidth, 301);
    EXPECT_EQ(psdHeight, 199);
    EXPECT_EQ(pngWidth, psdWidth);
    EXPECT_EQ(pngHeight, psdHeight);
    EXPECT_TRUE(pngRgba == psdRgba);
}
