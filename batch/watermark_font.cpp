#include "batch/watermark_font.h"

// No font service exists yet, so every face counts as one that cannot be
// loaded and a text watermark stops at the font check.
bool LoadWatermarkFont(const QString& /*face*/, int32_t /*size*/, int32_t /*style*/) { return false; }

bool IsWatermarkFontLoaded() { return false; }

void FreeWatermarkFont() {}
