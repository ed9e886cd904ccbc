#pragma once
#include <QString>
#include <cstdint>

// The one font object of the text watermark: loaded by the command-line
// checks, used by the watermark stage, freed at the end of the run.
// `style` adds up FontFlag values. False when the face cannot be loaded.
bool LoadWatermarkFont(const QString& face, int32_t size, int32_t style);
bool IsWatermarkFontLoaded();
void FreeWatermarkFont();
