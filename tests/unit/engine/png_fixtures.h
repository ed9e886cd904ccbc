#pragma once
#include <QString>
#include <cstdint>
#include <vector>

// The kinds of PNG file the converter must take, written with libpng so the
// colour type, bit depth and transparency chunk are exactly as named.
enum class PngKind { Rgba, Rgb, PaletteTransparent, Grey1, Grey, GreyAlpha, Rgb16, Rgba16, Grey16 };

const char* PngKindName(PngKind kind);
bool WriteFixturePng(const QString& path, PngKind kind, int width, int height);
// What the picture holds as 8-bit RGBA, rows top-down; 16-bit samples
// contribute their high byte.
std::vector<uint8_t> FixtureRgba(PngKind kind, int width, int height);
// Bits per pixel FreeImage reports for the file as loaded.
int FixtureLoadedDepth(PngKind kind);
