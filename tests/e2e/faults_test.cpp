// The output going wrong under the program: a read-only output folder, a disk
// that fills up during the write, and an interrupt during the write. Each
// leaves the old output or the complete new one, never a partial file, and
// no temporary file after a signal that can be caught.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/mount.h>
#include <zlib.h>
#include <chrono>
#include <thread>

#include <QFile>

#include "raw_process.h"

namespace {

const QByteArray SmallImage = SOURCE_DIR "/tests/data/bad/control_64x64.png";

QByteArray ReadAll(const QByteArray& path) {
    QFile f(QString::fromUtf8(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QByteArray& path, const QByteArray& bytes) {
    QFile f(QString::fromUtf8(path));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

bool HasTemporaryFile(const QByteArray& folder) {
    for (const QByteArray& name : Entries(folder))
        if (name.startsWith("rastoc")) return true;
    return false;
}

void AppendChunk(QByteArray* png, const char* type, const QByteArray& data) {
    const auto be32 = [png](quint32 v) {
        for (int shift = 24; shift >= 0; shift -= 8) png->append(static_cast<char>((v >> shift) & 0xFF));
    };
    be32(static_cast<quint32>(data.size()));
    const QByteArray body = QByteArray(type, 4) + data;
    png->append(body);
    be32(static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), body.size())));
}

// An 8-bit RGB PNG with a cheap pattern, compressed row by row.
QByteArray MakePng(int width, int height) {
    QByteArray header;
    for (const quint32 v : {static_cast<quint32>(width), static_cast<quint32>(height)})
        for (int shift = 24; shift >= 0; shift -= 8) header.append(static_cast<char>((v >> shift) & 0xFF));
    header.append("\x08\x02\x00\x00\x00", 5);

    z_stream z{};
    deflateInit(&z, 1);
    QByteArray compressed;
    QByteArray row(1 + width * 3, '\0');
    char out[1 << 16];
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width * 3; ++x) row[1 + x] = static_cast<char>((x / 3 + y) >> 4);
        z.next_in = reinterpret_cast<Bytef*>(row.data());
        z.avail_in = static_cast<uInt>(row.size());
        const int flush = y + 1 == height ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = reinterpret_cast<Bytef*>(out);
            z.avail_out = sizeof out;
            deflate(&z, flush);
            compressed.append(out, static_cast<qsizetype>(sizeof out - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(&png, "IHDR", header);
    AppendChunk(&png, "IDAT", compressed);
    AppendChunk(&png, "IEND", QByteArray());
    return png;
}

quint32 BigEndian32(const QByteArray& bytes, int at) {
    quint32 v = 0;
    for (int k = 0; k < 4; ++k) v = (v << 8) | static_cast<unsigned char>(bytes.at(at + k));
    return v;
}

// A whole PSD of that size: the header names it and the file has every byte
// of a complete conversion.
bool IsCompletePsd(const QByteArray& path, int width, int height, qint64 completeSize) {
    QFile f(QString::fromUtf8(path));
    if (!f.open(QIODevice::ReadOnly) || f.size() != completeSize) return false;
    const QByteArray head = f.read(26);
    return head.size() == 26 && head.startsWith("8BPS") && BigEndian32(head, 14) == static_cast<quint32>(height) &&
           BigEndian32(head, 18) == static_cast<quint32>(width);
}

class Faults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = QFile::encodeName(dir.path()) + '/';
        output = folder + "out";
        ASSERT_EQ(::mkdir(output.constData(), 0755), 0);
    }
    void TearDown() override {
        if (mounted) ::umount(output.constData());
    }
    // A tmpfs of that size at the output folder; false when this machine does
    // not allow mounting (not root, or no mount rights in the container).
    bool MountTmpfs(const char* size) {
        const QByteArray options = QByteArray("size=") + size;
        mounted = ::geteuid() == 0 && ::mount("tmpfs", output.constData(), "tmpfs", 0, options.constData()) == 0;
        return mounted;
    }
    bool RemountReadOnly() {
        return ::mount("tmpfs", output.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    QTemporaryDir dir;
    QByteArray folder;
    QByteArray output;
    bool mounted = false;
};

TEST_F(Faults, AReadOnlyOutputFolderKeepsTheOldFile) {
    // Root ignores permission bits, so only a read-only mount stops the write.
    if (!MountTmpfs("1m")) GTEST_SKIP() << "tmpfs cannot be mounted here";
    const QByteArray old = "the old output";
    ASSERT_TRUE(WriteAll(output + "/control_64x64.psd", old));
    ASSERT_TRUE(RemountReadOnly());
    const RawResult r = RunRaw({"-i", SmallImage, "-o", output});
    EXPECT_EQ(r.signal, 0);
    EXPECT_FALSE(r.sanitizerReport()) << r.err.constData();
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.endsWith("Converting...\nConversion stopped\n")) << r.out.constData();
    EXPECT_EQ(r.err, "Cannot convert " + SmallImage + ": the PSD file could not be written completely\n");
    EXPECT_EQ(Entries(output), QList<QByteArray>{"control_64x64.psd"});
    EXPECT_EQ(ReadAll(output + "/control_64x64.psd"), old);
}

TEST_F(Faults, ADiskThatFillsUpDuringTheWriteKeepsTheOldFile) {
    // The 200 x 200 PSD needs about 160 KB; the old file and the disk leave less.
    if (!MountTmpfs("96k")) GTEST_SKIP() << "tmpfs cannot be mounted here";
    const QByteArray input = folder + "medium.png";
    ASSERT_TRUE(WriteAll(input, MakePng(200, 200)));
    const QByteArray old(20000, 'o');
    ASSERT_TRUE(WriteAll(output + "/medium.psd", old));
    const RawResult r = RunRaw({"-q", "-i", input, "-o", output});
    EXPECT_EQ(r.signal, 0);
    EXPECT_FALSE(r.sanitizerReport()) << r.err.constData();
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "Conversion stopped\n");
    EXPECT_EQ(r.err, "Cannot convert " + input + ": the PSD file could not be written completely\n");
    EXPECT_EQ(Entries(output), QList<QByteArray>{"medium.psd"});
    EXPECT_EQ(ReadAll(output + "/medium.psd"), old);
}

TEST_F(Faults, AnInterruptDuringTheWriteLeavesTheOldOrTheWholeNewFile) {
    constexpr int kSide = 6000;
    const QByteArray input = folder + "big.png";
    ASSERT_TRUE(WriteAll(input, MakePng(kSide, kSide)));
    const QByteArray final = output + "/big.psd";

    // One run to the end gives the size of a complete file.
    const RawResult whole = RunRaw({"-q", "-i", input, "-o", output});
    ASSERT_EQ(whole.status, 0) << whole.err.constData();
    const qint64 completeSize = QFile(QString::fromUtf8(final)).size();
    ASSERT_TRUE(IsCompletePsd(final, kSide, kSide, completeSize));

    const QByteArray old = "the old output";
    const struct {
        int signal;
        int delayMs;  // after the temporary file appeared
    } cases[] = {
        {SIGINT, 0}, {SIGTERM, 0}, {SIGINT, 30}, {SIGTERM, 100}, {SIGINT, 300}, {SIGTERM, 700},
    };
    int interruptedWrites = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "signal " << c.signal << " after " << c.delayMs << " ms");
        ASSERT_TRUE(WriteAll(final, old));
        const RawChild child = StartRaw({"-q", "-i", input, "-o", output});
        ASSERT_GT(child.pid, 0);
        // Wait for the write to begin, or for the run to end first.
        bool writing = false;
        for (int waited = 0; waited < 120000 && !writing; ++waited) {
            writing = HasTemporaryFile(output);
            if (!writing) {
                siginfo_t info{};
                if (::waitid(P_PID, static_cast<id_t>(child.pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
                    info.si_pid == child.pid)
                    break;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(c.delayMs));
        ::kill(child.pid, c.signal);
        const RawResult r = FinishRaw(child);
        EXPECT_FALSE(r.sanitizerReport()) << r.err.constData();
        EXPECT_TRUE(r.signal == c.signal || (r.signal == 0 && r.status == 0)) << r.signal << " " << r.status;
        if (r.signal == c.signal && writing) ++interruptedWrites;
        const QByteArray left = ReadAll(final);
        EXPECT_TRUE(left == old || IsCompletePsd(final, kSide, kSide, completeSize))
            << "a partial output of " << left.size() << " bytes";
        EXPECT_FALSE(HasTemporaryFile(output));
        EXPECT_EQ(Entries(output), QList<QByteArray>{"big.psd"});
    }
    // Otherwise every run ended before its signal and nothing was tested.
    EXPECT_GT(interruptedWrites, 0);
}

}  // namespace
