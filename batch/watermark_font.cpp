#include "batch/watermark_font.h"

#include "batch/command_line_job.h"
#include "platform/font.h"

static_assert(FontBold == FontStyleBold && FontItalic == FontStyleItalic &&
                  FontUnderline == FontStyleUnderline && FontStrikeOut == FontStyleStrikeOut,
              "the run's font flags and the font service's style bits must agree");

bool LoadWatermarkFont(const QString& face, int32_t size, int32_t style) {
    FontObject* font = LoadFont(face, size, style);
    // The slot owns the font and frees the one it held before.
    SetWatermarkFont(font);
    return font != nullptr;
}

bool IsWatermarkFontLoaded() { return WatermarkFont() != nullptr; }

void FreeWatermarkFont() { SetWatermarkFont(nullptr); }
