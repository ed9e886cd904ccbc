#pragma once
#include <QString>
#include <cstdint>

// A loaded font face at a size, with its style and effects.
struct FontObject;

// Style bits of a font load; a load adds them together.
enum FontStyleBit : int32_t {
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleUnderline = 4,
    FontStyleStrikeOut = 8,
};

// The face through fontconfig at size points (96 dpi). Null when the name
// resolves only to a generic fallback, not to that family or one of its
// configured aliases (such as a metric-compatible replacement), or when the
// face file cannot be opened. Bold and italic take the real faces where the
// family has them and are synthesised where it has not.
FontObject* LoadFont(const QString& face, int32_t points, int32_t style);
void FreeFont(FontObject* font);

// What a load picked, for the debug lines and the tests.
struct FontDescription {
    QString family;
    QString styleName;
    QString file;
    bool boldFace = false;    // the face file itself is bold
    bool italicFace = false;  // the face file itself is italic or oblique
    bool syntheticBold = false;
    bool syntheticItalic = false;
    double pixelSize = 0;
    int ascent = 0;   // pixels above the baseline
    int descent = 0;  // pixels below it
};
FontDescription DescribeFont(const FontObject* font);

// The one font of the text watermark. The run's checks load it with LoadFont
// and hand it over here; the slot owns it, frees the previous one and frees
// it when given null. The watermark stage only reads it.
void SetWatermarkFont(FontObject* font);
const FontObject* WatermarkFont();
