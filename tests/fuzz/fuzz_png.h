#pragma once
// PNG helpers of the fuzz targets that feed whole PNG files.
#include <zlib.h>
#include <QByteArray>

// Gives every whole chunk its right CRC, so mutated headers and pixel data
// reach the decoder instead of all failing the checksum (broken checksums
// are covered by the end-to-end corpus).
inline void FixChunkCrcs(QByteArray* png) {
    qsizetype at = 8;
    while (at + 12 <= png->size()) {
        const auto* p = reinterpret_cast<const unsigned char*>(png->constData() + at);
        const quint64 length = (quint64(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
        if (length > quint64(png->size() - at - 12)) return;
        const uLong crc = crc32(0, p + 4, static_cast<uInt>(length + 4));
        char* out = png->data() + at + 8 + length;
        for (int k = 0; k < 4; ++k) out[k] = static_cast<char>((crc >> (24 - 8 * k)) & 0xFF);
        at += static_cast<qsizetype>(length) + 12;
    }
}
