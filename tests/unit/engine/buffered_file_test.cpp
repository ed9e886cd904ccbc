#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "engine_test_support.h"
#include "platform/buffered_file.h"

namespace {
QByteArray Pattern(int64_t count, int seed) {
    QByteArray bytes(count, '\0');
    for (int64_t i = 0; i < count; ++i) bytes[static_cast<qsizetype>(i)] = static_cast<char>((i * 31 + seed) & 255);
    return bytes;
}
}  // namespace

TEST(BufferedFile, KeepsEveryByteAcrossBufferBoundaries) {
    constexpr int64_t kMiB = 1 << 20;
    // Pieces written one after another; sizes around the 1 MiB buffer.
    const struct {
        const char* name;
        std::vector<int64_t> pieces;
    } cases[] = {
        {"nothing", {}},
        {"single bytes", {1, 1, 1}},
        {"just under the buffer", {kMiB - 1, 1, 1}},
        {"exactly the buffer", {kMiB, kMiB}},
        {"over the buffer", {kMiB + 1, 3}},
        {"small then large", {10, 3 * kMiB, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.path() + "/out.bin";
        BufferedFile* file = CreateBufferedFile(path);
        ASSERT_NE(file, nullptr);
        QByteArray expected;
        int seed = 0;
        for (int64_t size : c.pieces) {
            const QByteArray piece = Pattern(size, ++seed);
            EXPECT_TRUE(WriteBufferedFile(file, piece.constData(), piece.size()));
            expected += piece;
            EXPECT_EQ(BufferedFilePosition(file), expected.size());
        }
        EXPECT_TRUE(CloseBufferedFile(file));
        EXPECT_EQ(ReadWholeFile(path), expected);
    }
}

TEST(BufferedFile, SeeksBackAndOverwrites) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/out.bin";
    BufferedFile* file = CreateBufferedFile(path);
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(WriteBufferedFile(file, "abcdefgh", 8));
    EXPECT_TRUE(SeekBufferedFile(file, 2, 0));
    EXPECT_EQ(BufferedFilePosition(file), 2);
    EXPECT_TRUE(WriteBufferedFile(file, "XY", 2));
    EXPECT_TRUE(SeekBufferedFile(file, 0, 2));
    EXPECT_TRUE(WriteBufferedFile(file, "!", 1));
    EXPECT_TRUE(CloseBufferedFile(file));
    EXPECT_EQ(ReadWholeFile(path), QByteArray("abXYefgh!"));
}

TEST(BufferedFile, NeverOpensAnExistingFile) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/taken.bin";
    ASSERT_TRUE(WriteWholeFile(path, "keep"));
    EXPECT_EQ(CreateBufferedFile(path), nullptr);
    EXPECT_EQ(ReadWholeFile(path), QByteArray("keep"));
    EXPECT_EQ(CreateBufferedFile(dir.path() + "/missing/file.bin"), nullptr);
}
