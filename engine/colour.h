#pragma once
#include <QString>
#include <cstdint>

struct RgbColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

// Reads a colour text of six hexadecimal digits, two each for red, green and
// blue. A text of any other length is black; each pair is read up to its first
// character that is not a hexadecimal digit, so "1G" is 1 and "G1" is 0.
RgbColour ParseColour(const QString& text);
