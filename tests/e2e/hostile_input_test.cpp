// Broken, odd and oversized inputs: each ends with its fixed console lines,
// its exit status and (for a file that fails) its reason on standard error,
// without a crash or a sanitizer report, and leaves the output folder empty.
#include <gtest/gtest.h>

#include <dirent.h>
#include <ftw.h>
#include <algorithm>

#include <QFile>

#include "raw_process.h"

namespace {

const QList<QByteArray> Banner = {
    "Tolvane PNG to PSD 2.3",
    "(c) 2009-2026 Tolvane Software",
    "https://www.tolvane.example/",
    " ",
};
const QByteArray CorpusFolder = SOURCE_DIR "/tests/data/bad/";
const QByteArray NotReadable = "the file is missing or is not a readable PNG image";

// The lines of a run whose one file failed.
QList<QByteArray> FailedRunLines() {
    return Banner + QList<QByteArray>{"Preparing...", "Importing...", "Import complete, new files added: 1",
                                      "Converting...", "Conversion stopped"};
}
// The lines of a run stopped by a check.
QList<QByteArray> RefusedRunLines(const QByteArray& error) {
    return Banner + QList<QByteArray>{"Preparing...", error};
}

// The bytes of a file named by raw bytes; empty when it cannot be read.
QByteArray ReadAll(const QByteArray& path) {
    QByteArray bytes;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return bytes;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, got);
    ::close(fd);
    return bytes;
}

// Writes bytes to a path given as raw bytes (the name need not be UTF-8).
bool WriteRaw(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool ok = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && ok;
}

// Removes a tree whose names need not be UTF-8, which QTemporaryDir cannot.
void RemoveTree(const QByteArray& path) {
    ::nftw(
        path.constData(), [](const char* p, const struct stat*, int, FTW*) { return ::remove(p); }, 16,
        FTW_DEPTH | FTW_PHYS);
}

// Creates nested folders below base until the path is about length bytes
// long; returns the deepest folder with a trailing "/".
QByteArray MakeDeepFolder(const QByteArray& base, int length) {
    QByteArray path = base;
    int level = 0;
    while (path.size() < length) {
        const int room = length - static_cast<int>(path.size()) - 1;
        const QByteArray name = QByteArray(qMin(room, 200), 'd').replace(0, 1, QByteArray::number(level++ % 10));
        path += name;
        if (::mkdir(path.constData(), 0755) != 0) return QByteArray();
        path += '/';
    }
    return path;
}

class HostileInput : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = QFile::encodeName(dir.path()) + '/';
        output = folder + "out";
        ASSERT_EQ(::mkdir(output.constData(), 0755), 0);
    }
    void TearDown() override { RemoveTree(QFile::encodeName(dir.path())); }
    // Runs with the input and the output folder, checks that the run ended
    // on its own with nothing written, and returns what it printed.
    RawResult Run(const QByteArray& input, QList<QByteArray> extra = {}) {
        const RawResult r = RunRaw(QList<QByteArray>{"-i", input, "-o", output} + extra, folder);
        EXPECT_EQ(r.signal, 0);
        EXPECT_FALSE(r.sanitizerReport()) << r.err.constData();
        EXPECT_EQ(Entries(output), QList<QByteArray>());
        return r;
    }
    QTemporaryDir dir;
    QByteArray folder;
    QByteArray output;
};

TEST_F(HostileInput, CorpusFilesFailWithTheirLinesStatusAndReason) {
    const struct {
        const char* file;
        int status;
        const char* reason;  // on standard error; null for a check's "Error: " line
    } cases[] = {
        {"empty.png", 1, nullptr},
        {"signature_only.png", 2, NotReadable},
        {"truncated_in_ihdr.png", 2, NotReadable},
        {"truncated_in_idat.png", 2, NotReadable},
        {"bad_crc_ihdr.png", 2, NotReadable},
        {"bad_crc_idat.png", 2, NotReadable},
        {"huge_100000x100000.png", 2, "the image is too large for a PSD file"},
        {"zero_by_zero.png", 2, NotReadable},
        {"zero_width.png", 2, NotReadable},
        {"rgb_depth_1.png", 2, NotReadable},
        {"palette_depth_16.png", 2, NotReadable},
        {"grey_depth_3.png", 2, NotReadable},
        {"rgba_depth_4.png", 2, NotReadable},
        {"colour_type_1.png", 2, NotReadable},
        {"colour_type_7.png", 2, NotReadable},
        {"chunk_length_2e31_minus_1.png", 2, NotReadable},
        {"chunk_length_2e31.png", 2, NotReadable},
        {"ihdr_length_2e31_minus_1.png", 2, NotReadable},
        {"text_renamed.png", 2, NotReadable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QByteArray input = CorpusFolder + c.file;
        ASSERT_TRUE(QFile::exists(QString::fromUtf8(input))) << "run tests/data/bad/make_corpus.py";
        const RawResult r = Run(input);
        EXPECT_EQ(r.status, c.status);
        if (c.reason) {
            EXPECT_EQ(RawLines(r.out), FailedRunLines());
            EXPECT_EQ(r.err, "Cannot convert " + input + ": " + c.reason + "\n");
        } else {
            EXPECT_EQ(RawLines(r.out), RefusedRunLines("Error: Invalid input file"));
            EXPECT_EQ(r.err, QByteArray());
        }
    }
}

TEST_F(HostileInput, TheControlImagesOfTheCorpusConvert) {
    // The broken files are cut from these, so they fail for what was broken.
    for (const char* file : {"control_16x16.png", "control_64x64.png"}) {
        SCOPED_TRACE(file);
        const RawResult r = RunRaw({"-q", "-i", CorpusFolder + file, "-o", folder});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out + r.err, QByteArray());
        const QByteArray psd = folder + QByteArray(file).replace(".png", ".psd");
        EXPECT_TRUE(ReadAll(psd).startsWith("8BPS"));
    }
}

TEST_F(HostileInput, AFolderNamedLikeAPngIsNoInputFile) {
    const QByteArray input = folder + "x.png";
    ASSERT_EQ(::mkdir(input.constData(), 0755), 0);
    const RawResult r = Run(input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(RawLines(r.out), RefusedRunLines("Error: Invalid input file"));
    EXPECT_EQ(r.err, QByteArray());
}

TEST_F(HostileInput, ANameThatIsNotUtf8ReachesTheFileAndTheMessagesUnchanged) {
    const struct {
        const char* name;
        QByteArray file;
    } cases[] = {
        {"latin-1", "caf\xE9.png"},
        {"lone continuation bytes", "\x80\xBF.png"},
        {"cut sequence", "a\xE2\x82.png"},
        {"overlong slash", "b\xC0\xAF.png"},
    };
    const QByteArray text = ReadAll(CorpusFolder + "text_renamed.png");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray input = folder + c.file;
        ASSERT_TRUE(WriteRaw(input, text));
        const RawResult r = Run(input, {"-d"});
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(RawLines(r.out).contains("Input: " + input)) << r.out.constData();
        EXPECT_TRUE(RawLines(r.out).contains("Processing: " + input));
        EXPECT_EQ(r.err, "Cannot convert " + input + ": " + NotReadable + "\n");
        ::unlink(input.constData());
    }
}

TEST_F(HostileInput, AnImageWithANameThatIsNotUtf8ConvertsUnderTheSameBytes) {
    const QByteArray input = folder + "caf\xE9\xFF.png";
    ASSERT_TRUE(WriteRaw(input, ReadAll(CorpusFolder + "control_16x16.png")));
    const RawResult r = RunRaw({"-q", "-d", "-i", input, "-o", output});
    EXPECT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(RawLines(r.out).contains("Saving As: " + output + "/caf\xE9\xFF.psd")) << r.out.constData();
    EXPECT_EQ(Entries(output), QList<QByteArray>{"caf\xE9\xFF.psd"});
    EXPECT_TRUE(ReadAll(output + "/caf\xE9\xFF.psd").startsWith("8BPS"));
}

TEST_F(HostileInput, PathsOfFourThousandCharacters) {
    const QByteArray deep = MakeDeepFolder(folder, 4000 - 16);
    ASSERT_FALSE(deep.isEmpty());
    const QByteArray brokenInput = deep + QByteArray(4000 - deep.size() - 4, 'b') + ".png";
    ASSERT_EQ(brokenInput.size(), 4000);
    ASSERT_TRUE(WriteRaw(brokenInput, ReadAll(CorpusFolder + "truncated_in_idat.png")));
    {
        SCOPED_TRACE("a broken image deep down");
        const RawResult r = Run(brokenInput);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(RawLines(r.out), FailedRunLines());
        EXPECT_EQ(r.err, "Cannot convert " + brokenInput + ": " + NotReadable + "\n");
    }
    {
        SCOPED_TRACE("one name of 4000 characters");
        const QByteArray input = folder + QByteArray(4000 - folder.size() - 4, 'n') + ".png";
        const RawResult r = Run(input);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(RawLines(r.out), RefusedRunLines("Error: Invalid input file"));
        EXPECT_EQ(r.err, QByteArray());
    }
    {
        SCOPED_TRACE("a good image deep down converts");
        const QByteArray input = deep + QByteArray(4000 - deep.size() - 4, 'g') + ".png";
        ASSERT_TRUE(WriteRaw(input, ReadAll(CorpusFolder + "control_16x16.png")));
        const RawResult r = RunRaw({"-q", "-i", input, "-o", folder});
        EXPECT_EQ(r.status, 0) << r.err.constData();
        EXPECT_TRUE(ReadAll(folder + QByteArray(4000 - deep.size() - 4, 'g') + ".psd").startsWith("8BPS"));
    }
}

TEST_F(HostileInput, AnOutputFolderTooDeepForAFileNameWritesNothing) {
    // The folder itself can be named, but no file in it: its path and a name
    // pass the platform's path limit of 4096 bytes.
    const QByteArray deep = MakeDeepFolder(folder, 4090);
    ASSERT_FALSE(deep.isEmpty());
    const QByteArray input = CorpusFolder + "control_16x16.png";
    const RawResult r = RunRaw({"-i", input, "-o", deep});
    EXPECT_EQ(r.signal, 0);
    EXPECT_FALSE(r.sanitizerReport()) << r.err.constData();
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(RawLines(r.out), FailedRunLines());
    EXPECT_EQ(r.err, "Cannot convert " + input + ": the PSD file could not be written completely\n");
    EXPECT_EQ(Entries(deep), QList<QByteArray>());
}

TEST_F(HostileInput, AMaskThatNamesNoPossibleFileLeavesNoTemporaryFile) {
    const QByteArray input = CorpusFolder + "control_16x16.png";
    const struct {
        const char* name;
        QByteArray mask;
    } cases[] = {
        {"name longer than 255 bytes", QByteArray(300, 'm') + ".%ext%"},
        {"missing subfolder", "nowhere/%filename%.%ext%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RawResult r = Run(input, {"--filename-mask=" + c.mask});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(RawLines(r.out), FailedRunLines());
        EXPECT_EQ(r.err, "Cannot convert " + input + ": the PSD file could not be given its final name\n");
    }
}

}  // namespace
