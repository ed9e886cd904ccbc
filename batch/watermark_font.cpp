#include "batch/watermark_font.h"

#include "batch/command_line_job.h"
#include "platform/font.h"

static_assert(int32_t{FontBold} == int32_t{FontStyleBold} && int32_t{FontItalic} == int32_t{FontStyleItalic} &&
                  int32_t{FontUnderline} == int32_t{FontStyleUnderline} &&
                  int32_t{FontStrikeOut} == int32_t{FontStyleStrikeOut},
              "the run's font flags and the font service's style bits must agree");

bool LoadWatermarkFont(const QString& face, int32_t size, int32_t style) {
    FontObject* font = LoadFont(face, size, style);
    // The slot owns the font and frees the one it held before.
    SetWatermarkFont(font);
    return font != nullptr;
}

bool IsWatermarkFontLoaded() {
    return WatermarkFont() != nullptr;
}

void FreeWatermarkFont() {
    SetWatermarkFont(nullptr);
}
