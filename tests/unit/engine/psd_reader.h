#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// A small reader for the flat PSD files DevIL writes (version 1, 8 bits per
// channel, raw or PackBits image data), independent of the writer.
struct PsdPicture {
    int version = 0;
    int channels = 0;
    int width = 0;
    int height = 0;
    int depth = 0;
    int colourMode = 0;
    int compression = -1;
    std::vector<uint8_t> rgba;  // rows top-down; alpha 255 without a fourth channel
};

// False with the reason in problem when the bytes are not such a file.
bool ReadPsd(const QByteArray& bytes, PsdPicture* picture, QString* problem);
