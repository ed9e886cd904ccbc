#include "psd_reader.h"

namespace {
struct Cursor {
    const QByteArray& bytes;
    int64_t at = 0;
    bool ok = true;

    uint32_t Read(int count) {
        if (at + count > bytes.size()) {
            ok = false;
            return 0;
        }
        uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | static_cast<uint8_t>(bytes.at(static_cast<qsizetype>(at++)));
        return value;
    }
    void Skip(int64_t count) {
        if (count < 0 || at + count > bytes.size())
            ok = false;
        else
            at += count;
    }
};

// One PackBits-coded row of exactly width bytes.
bool UnpackRow(Cursor& cursor, int64_t packedBytes, int width, uint8_t* out) {
    const int64_t end = cursor.at + packedBytes;
    int filled = 0;
    while (cursor.ok && cursor.at < end) {
        const int n = static_cast<int8_t>(cursor.Read(1));
        if (n >= 0) {
            for (int i = 0; i <= n; ++i) {
                const uint8_t value = static_cast<uint8_t>(cursor.Read(1));
                if (filled >= width) return false;
                out[filled++] = value;
            }
        } else if (n != -128) {
            const uint8_t value = static_cast<uint8_t>(cursor.Read(1));
            for (int i = 0; i < 1 - n; ++i) {
                if (filled >= width) return false;
                out[filled++] = value;
            }
        }
    }
    return cursor.ok && cursor.at == end && filled == width;
}
}  // namespace

bool ReadPsd(const QByteArray& bytes, PsdPicture* picture, QString* problem) {
    auto fail = [problem](const char* text) {
        if (problem) *problem = QString::fromLatin1(text);
        return false;
    };
    Cursor cursor{bytes};
    if (cursor.Read(4) != 0x38425053) return fail("no 8BPS signature");
    PsdPicture p;
    p.version = static_cast<int>(cursor.Read(2));
    cursor.Skip(6);
    p.channels = static_cast<int>(cursor.Read(2));
    p.height = static_cast<int>(cursor.Read(4));
    p.width = static_cast<int>(cursor.Read(4));
    p.depth = static_cast<int>(cursor.Read(2));
    p.colourMode = static_cast<int>(cursor.Read(2));
    for (int section = 0; section < 3 && cursor.ok; ++section) cursor.Skip(cursor.Read(4));
    p.compression = static_cast<int>(cursor.Read(2));
    if (!cursor.ok) return fail("header cut short");
    if (p.version != 1) return fail("not version 1");
    if (p.depth != 8) return fail("not 8 bits per channel");
    if (p.channels < 1 || p.channels > 4 || p.width <= 0 || p.height <= 0) return fail("bad channels or size");

    const size_t plane = static_cast<size_t>(p.width) * p.height;
    std::vector<uint8_t> planes(plane * p.channels);
    if (p.compression == 0) {
        if (cursor.at + static_cast<int64_t>(planes.size()) > bytes.size()) return fail("image data cut short");
        std::copy(bytes.begin() + cursor.at, bytes.begin() + cursor.at + planes.size(), planes.begin());
        cursor.at += planes.size();
    } else if (p.compression == 1) {
        std::vector<uint32_t> counts(static_cast<size_t>(p.height) * p.channels);
        for (auto& count : counts) count = cursor.Read(2);
        for (size_t row = 0; row < counts.size(); ++row)
            if (!UnpackRow(cursor, counts[row], p.width, planes.data() + row * p.width))
                return fail("bad PackBits row");
    } else {
        return fail("unknown compression");
    }
    if (cursor.at != bytes.size()) return fail("bytes after the image data");

    p.rgba.resize(plane * 4);
    for (size_t i = 0; i < plane; ++i) {
        const auto at = [&](int c) { return planes[c * plane + i]; };
        const bool grey = p.channels < 3;
        p.rgba[i * 4 + 0] = at(0);
        p.rgba[i * 4 + 1] = grey ? at(0) : at(1);
        p.rgba[i * 4 + 2] = grey ? at(0) : at(2);
        p.rgba[i * 4 + 3] = p.channels == 4 ? at(3) : p.channels == 2 ? at(1) : 255;
    }
    *picture = std::move(p);
    return true;
}
