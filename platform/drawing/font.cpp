#include "platform/font.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <algorithm>
#include <cmath>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include <mutex>
#include <new>
#include <vector>

#include "platform/drawing/font_internal.h"

namespace {
// Font sizes are points at 96 dots per inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

const char* const kGenericFamilies[] = {"sans-serif", "serif", "monospace", "cursive", "fantasy",
                                        "system-ui",  "emoji", "math",      "fangsong"};

// Family names compare as fontconfig compares them: blanks and case ignored.
bool SameFamily(const FcChar8* a, const FcChar8* b) {
    const auto folded = [](const FcChar8* name) {
        return QString::fromUtf8(reinterpret_cast<const char*>(name)).remove(QLatin1Char(' ')).toCaseFolded();
    };
    return folded(a) == folded(b);
}

bool IsGeneric(const FcChar8* family) {
    for (const char* generic : kGenericFamilies)
        if (SameFamily(family, reinterpret_cast<const FcChar8*>(generic))) return true;
    return false;
}

QString PatternString(FcPattern* pattern, const char* object, int index = 0) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, index, &value) != FcResultMatch) return QString();
    return QString::fromUtf8(reinterpret_cast<const char*>(value));
}

int PatternInteger(FcPattern* pattern, const char* object, int fallback) {
    int value = fallback;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

// True when the matched font is the asked family or one the configuration
// binds to it (an alias with a strong or "same" binding, as metric-compatible
// replacements are configured). Families added weakly, the generic names and
// what they expand to, are mere fallbacks.
bool MatchIsAskedFamily(FcPattern* request, FcPattern* match) {
    std::vector<const FcChar8*> asked;
    FcValue value;
    FcValueBinding binding;
    for (int i = 0; FcPatternGetWithBinding(request, FC_FAMILY, i, &value, &binding) == FcResultMatch; ++i) {
        if (value.type != FcTypeString || IsGeneric(value.u.s)) break;
        if (binding != FcValueBindingWeak) asked.push_back(value.u.s);
    }
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i)
        for (const FcChar8* name : asked)
            if (SameFamily(family, name)) return true;
    return false;
}

// Ascent, descent and the effect lines from the face's own tables: the
// usWinAscent and usWinDescent of OS/2 (the line box metric-compatible faces
// reproduce), post for the underline, OS/2 for the strike-out.
bool ReadFaceMetrics(const QString& file, int index, FontObject* font) {
    static std::mutex libraryLock;
    const std::lock_guard<std::mutex> guard(libraryLock);
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return false;
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.toUtf8().constData(), index, &face) != 0) {
        FT_Done_FreeType(library);
        return false;
    }
    const double units = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    const double scale = font->description.pixelSize / units;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
    double ascent = face->ascender;
    double descent = -face->descender;
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
    }
    font->description.ascent = static_cast<int>(std::lround(ascent * scale));
    font->description.descent = static_cast<int>(std::lround(descent * scale));
    // post gives the top of the underline; its centre is half a thickness lower.
    const double underlineThickness = post ? post->underlineThickness : face->underline_thickness;
    const double underlineTop = post ? post->underlinePosition : face->underline_position + underlineThickness / 2;
    font->underlineThickness = std::max(1.0, std::round(underlineThickness * scale));
    font->underlineOffset = -(underlineTop - underlineThickness / 2) * scale;
    double strikeSize = underlineThickness;
    double strikeTop = ascent * 0.3 + strikeSize / 2;
    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
        strikeSize = os2->yStrikeoutSize;
        strikeTop = os2->yStrikeoutPosition;
    }
    font->strikeOutThickness = std::max(1.0, std::round(strikeSize * scale));
    font->strikeOutOffset = -(strikeTop - strikeSize / 2) * scale;
    font->description.boldFace = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    font->description.italicFace = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return true;
}

cairo_scaled_font_t* ScaledFont(cairo_font_face_t* face, double pixelSize, cairo_antialias_t antialias) {
    cairo_matrix_t size, device;
    cairo_matrix_init_scale(&size, pixelSize, pixelSize);
    cairo_matrix_init_identity(&device);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, antialias);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    cairo_scaled_font_t* scaled = cairo_scaled_font_create(face, &size, &device, options);
    cairo_font_options_destroy(options);
    if (cairo_scaled_font_status(scaled) != CAIRO_STATUS_SUCCESS) {
        cairo_scaled_font_destroy(scaled);
        return nullptr;
    }
    return scaled;
}

std::mutex watermarkFontLock;
FontObject* watermarkFont = nullptr;

// A fontconfig configuration of our own, loaded for the first live font and
// destroyed with the last: it does not outlive the fonts, and the process's
// current configuration (which a GUI toolkit may use) is never touched.
std::mutex fontServiceLock;
int liveFonts = 0;
FcConfig* fontConfig = nullptr;

FcConfig* StartFontService() {
    const std::lock_guard<std::mutex> guard(fontServiceLock);
    if (!fontConfig) fontConfig = FcInitLoadConfigAndFonts();
    if (!fontConfig) return nullptr;
    ++liveFonts;
    return fontConfig;
}

void StopFontService() {
    const std::lock_guard<std::mutex> guard(fontServiceLock);
    if (--liveFonts > 0) return;
    FcConfigDestroy(fontConfig);
    fontConfig = nullptr;
}

void DestroyFont(FontObject* font) {
    if (font->plain) cairo_scaled_font_destroy(font->plain);
    if (font->smooth) cairo_scaled_font_destroy(font->smooth);
    if (font->face) cairo_font_face_destroy(font->face);
    delete font;
}

// Nothing of the configuration stays in the loaded font: cairo gets a
// pattern of its own with the file name.
FontObject* LoadFontFace(FcConfig* config, const QString& face, int32_t points, int32_t style) {
    const bool bold = (style & FontStyleBold) != 0;
    const bool italic = (style & FontStyleItalic) != 0;
    const double pixelSize = points * kPixelsPerPoint;

    FcPattern* request = FcPatternCreate();
    if (!request) return nullptr;
    FcPatternAddString(request, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.toUtf8().constData()));
    FcPatternAddInteger(request, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(request, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddDouble(request, FC_PIXEL_SIZE, pixelSize);
    FcPatternAddBool(request, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, request, FcMatchPattern);
    FcDefaultSubstitute(request);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, request, &result);
    const bool asked = match && MatchIsAskedFamily(request, match);
    FcPatternDestroy(request);
    if (!asked) {
        if (match) FcPatternDestroy(match);
        return nullptr;
    }

    auto* font = new (std::nothrow) FontObject;
    if (!font) {
        FcPatternDestroy(match);
        return nullptr;
    }
    font->style = style;
    font->description.family = PatternString(match, FC_FAMILY);
    font->description.styleName = PatternString(match, FC_STYLE);
    font->description.file = PatternString(match, FC_FILE);
    font->description.pixelSize = pixelSize;
    const int index = PatternInteger(match, FC_INDEX, 0);
    const int weight = PatternInteger(match, FC_WEIGHT, FC_WEIGHT_REGULAR);
    const int slant = PatternInteger(match, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternDestroy(match);

    if (!ReadFaceMetrics(font->description.file, index, font)) {
        DestroyFont(font);
        return nullptr;
    }
    font->description.syntheticBold = bold && weight < FC_WEIGHT_DEMIBOLD && !font->description.boldFace;
    font->description.syntheticItalic = italic && slant == FC_SLANT_ROMAN && !font->description.italicFace;

    // The cairo face gets the file alone, so that our font options, not the
    // machine's configuration, decide antialiasing and hinting.
    FcPattern* file = FcPatternCreate();
    FcPatternAddString(file, FC_FILE, reinterpret_cast<const FcChar8*>(font->description.file.toUtf8().constData()));
    FcPatternAddInteger(file, FC_INDEX, index);
    font->face = cairo_ft_font_face_create_for_pattern(file);
    FcPatternDestroy(file);
    if (cairo_font_face_status(font->face) != CAIRO_STATUS_SUCCESS) {
        DestroyFont(font);
        return nullptr;
    }
    unsigned int synthesis = 0;
    if (font->description.syntheticBold) synthesis |= CAIRO_FT_SYNTHESIZE_BOLD;
    if (font->description.syntheticItalic) synthesis |= CAIRO_FT_SYNTHESIZE_OBLIQUE;
    if (synthesis) cairo_ft_font_face_set_synthesize(font->face, synthesis);
    font->plain = ScaledFont(font->face, pixelSize, CAIRO_ANTIALIAS_NONE);
    font->smooth = ScaledFont(font->face, pixelSize, CAIRO_ANTIALIAS_GRAY);
    if (!font->plain || !font->smooth) {
        DestroyFont(font);
        return nullptr;
    }
    return font;
}

}  // namespace

FontObject* LoadFont(const QString& face, int32_t points, int32_t style) {
    if (face.trimmed().isEmpty() || points <= 0) return nullptr;
    FcConfig* config = StartFontService();
    if (!config) return nullptr;
    FontObject* font = LoadFontFace(config, face, points, style);
    if (!font) StopFontService();
    return font;
}

void FreeFont(FontObject* font) {
    if (!font) return;
    DestroyFont(font);
    StopFontService();
}

FontDescription DescribeFont(const FontObject* font) {
    return font ? font->description : FontDescription();
}

void SetWatermarkFont(FontObject* font) {
    const std::lock_guard<std::mutex> guard(watermarkFontLock);
    if (watermarkFont != font) FreeFont(watermarkFont);
    watermarkFont = font;
}

const FontObject* WatermarkFont() {
    const std::lock_guard<std::mutex> guard(watermarkFontLock);
    return watermarkFont;
}
