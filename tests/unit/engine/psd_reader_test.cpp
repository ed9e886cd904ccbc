#include <gtest/gtest.h>

#include "psd_reader.h"

namespace {
QByteArray Big(uint32_t value, int count) {
    QByteArray bytes;
    for (int shift = (count - 1) * 8; shift >= 0; shift -= 8) bytes.append(static_cast<char>(value >> shift & 255));
    return bytes;
}
// A 3 × 2 RGB PSD with the given compression and image data.
QByteArray Psd(int compression, const QByteArray& data) {
    return QByteArray("8BPS") + Big(1, 2) + QByteArray(6, '\0') + Big(3, 2) + Big(2, 4) + Big(3, 4) + Big(8, 2) +
           Big(3, 2) + Big(0, 4) + Big(0, 4) + Big(0, 4) + Big(compression, 2) + data;
}
}  // namespace

TEST(ReadPsd, DecodesRawAndPackBitsData) {
    // Red plane rows: 1 2 3 / 4 4 4; green all 9; blue 0 0 7 / 7 7 7.
    const QByteArray raw =
        QByteArray("\x01\x02\x03\x04\x04\x04", 6) + QByteArray(6, '\x09') + QByteArray("\0\0\x07\x07\x07\x07", 6);
    const QByteArray packed = Big(4, 2) + Big(2, 2) + Big(2, 2) + Big(2, 2) + Big(4, 2) + Big(2, 2) +
                              QByteArray("\x02\x01\x02\x03", 4) + QByteArray("\xfe\x04", 2) +
                              QByteArray("\xfe\x09", 2) + QByteArray("\xfe\x09", 2) +
                              QByteArray("\xff\x00\x00\x07", 4) + QByteArray("\xfe\x07", 2);
    const std::vector<uint8_t> rgba = {1, 9, 0, 255, 2, 9, 0, 255, 3, 9, 7, 255,
                                       4, 9, 7, 255, 4, 9, 7, 255, 4, 9, 7, 255};
    const struct {
        const char* name;
        QByteArray bytes;
        bool ok;
    } cases[] = {
        {"raw", Psd(0, raw), true},
        {"PackBits", Psd(1, packed), true},
        {"raw cut short", Psd(0, raw.left(17)), false},
        {"PackBits row too long", Psd(1, packed).replace(Psd(1, {}).size() + 12, 4, "\x03\x01\x02\x03"), false},
        {"trailing bytes", Psd(0, raw + "x"), false},
        {"unknown compression", Psd(2, raw), false},
        {"not a PSD", QByteArray("GIF89a"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PsdPicture picture;
        EXPECT_EQ(ReadPsd(c.bytes, &picture, nullptr), c.ok);
        if (c.ok) {
            EXPECT_EQ(picture.width, 3);
            EXPECT_EQ(picture.height, 2);
            EXPECT_EQ(picture.channels, 3);
            EXPECT_TRUE(picture.rgba == rgba);
        }
    }
}
