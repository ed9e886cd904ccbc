#include "settings/keywords.h"

#include <iterator>

#include "settings/ini.h"

namespace {

const KeywordRow ddsLoading[] = {{"AUTO", 0}, {"BGRA", 1}, {"RGBA", 2}};
const KeywordRow rawLoading[] = {{"AUTO", 0}, {"8", 1}, {"16", 2}, {"24", 3}, {"48HS", 4}, {"48", 5}};
const KeywordRow frameChoice[] = {{"ALL", 0}, {"FIRST", 1}, {"MIDDLE", 2}, {"LAST", 3}, {"RANDOM", 4}};
const KeywordRow toneMapping[] = {{"NONE", 0}, {"LINEAR", 1}, {"AL", 2}, {"DRR", 3}, {"GD", 4}};
const KeywordRow compression[] = {
    {"NONE", 0},    {"RLE", 1},          {"ZIP", 1},   {"PIZ", 2},       {"PXR24", 3},     {"B44", 4},
    {"ZLIB1", 1},   {"ZLIB6", 2},        {"ZLIB9", 3}, {"CCITTFAX3", 1}, {"CCITTFAX4", 2}, {"PACKBITS", 3},
    {"DEFLATE", 4}, {"ADOBEDEFLATE", 5}, {"LZW", 6},   {"JPEG", 7},      {"LOGLUV", 8},
};
const KeywordRow colorTable[] = {{"AUTO", 0}, {"EXACT", 1}};
const KeywordRow colorModel[] = {{"RGB", 0}, {"CMYK", 1}, {"LAB", 2}};
const KeywordRow chroma[] = {{"NONE", 0}, {"LOW", 1}, {"MEDIUM", 2}, {"HIGH", 3}};
const KeywordRow jpegKind[] = {{"STANDARD", 0}, {"SIMPLE", 1}, {"OPTIMIZED", 2}, {"PROGRESSIVE", 3}};
const KeywordRow rotationType[] = {{"SIMPLE", 0}, {"ADVANCED", 1}};
const KeywordRow unit[] = {{"PIXELS", 0}, {"PERCENT", 1}};
const KeywordRow resizeType[] = {{"ALLIMAGES", 0}, {"LARGEIMAGES", 1}};
const KeywordRow resizeAlgorithm[] = {{"BOX", 0},     {"BILINEAR", 1},   {"BSPLINE", 2},
                                      {"BICUBIC", 3}, {"CATMULLROM", 4}, {"LANCZOS", 5}};
const KeywordRow frameKind[] = {{"NONE", 0}, {"SOLID", 1}};
const KeywordRow watermarkKind[] = {{"NONE", 0}, {"TEXT", 1}, {"IMAGE", 2}};
const KeywordRow fontStyle[] = {{"REGULAR", 0}, {"BOLD", 1}, {"ITALIC", 2}, {"BOLDITALIC", 3}};
// Spelled so: the word users have always typed for strike-out.
const KeywordRow fontEffect[] = {{"NONE", 0}, {"UNDERLINE", 1}, {"STRIKETHROUGHT", 2}};
const KeywordRow alignment[] = {{"LEFT", 0}, {"CENTER", 1}, {"RIGHT", 2}};
const KeywordRow boundary[] = {{"IMAGE", 0}, {"FRAME", 1}};
const KeywordRow position[] = {{"TOPLEFT", 0},    {"TOPCENTER", 1},    {"TOPRIGHT", 2},
                               {"MIDDLELEFT", 3}, {"MIDDLECENTER", 4}, {"MIDDLERIGHT", 5},
                               {"BOTTOMLEFT", 6}, {"BOTTOMCENTER", 7}, {"BOTTOMRIGHT", 8}};
const KeywordRow sizeMode[] = {{"FIXED", 0}};
const KeywordRow timestamp[] = {{"CURRENT", 0}, {"ORIGINAL", 1}, {"CUSTOM", 2}};

struct TableEntry {
    const KeywordRow* rows;
    int count;
};
#define KEYWORD_TABLE(rows) \
    { rows, static_cast<int>(std::size(rows)) }
// In the order of KeywordTable.
const TableEntry tables[] = {
    KEYWORD_TABLE(ddsLoading),      KEYWORD_TABLE(rawLoading),  KEYWORD_TABLE(frameChoice),
    KEYWORD_TABLE(toneMapping),     KEYWORD_TABLE(compression), KEYWORD_TABLE(colorTable),
    KEYWORD_TABLE(colorModel),      KEYWORD_TABLE(chroma),      KEYWORD_TABLE(jpegKind),
    KEYWORD_TABLE(rotationType),    KEYWORD_TABLE(unit),        KEYWORD_TABLE(resizeType),
    KEYWORD_TABLE(resizeAlgorithm), KEYWORD_TABLE(frameKind),   KEYWORD_TABLE(watermarkKind),
    KEYWORD_TABLE(fontStyle),       KEYWORD_TABLE(fontEffect),  KEYWORD_TABLE(alignment),
    KEYWORD_TABLE(boundary),        KEYWORD_TABLE(position),    KEYWORD_TABLE(sizeMode),
    KEYWORD_TABLE(timestamp),
};
#undef KEYWORD_TABLE
static_assert(std::size(tables) == KeywordTableCount);

QString AsciiUpper(const QString& text) {
    QString upper = text;
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
    return upper;
}

// Each format's own compression words, by number.
struct FormatCompression {
    const char* format;
    const char* words[9];
};
const FormatCompression formatCompression[] = {
    {"bmp", {"NONE", "RLE"}},
    {"tga", {"NONE", "RLE"}},
    {"exr", {"NONE", "ZIP", "PIZ", "PXR24", "B44"}},
    {"png", {"NONE", "ZLIB1", "ZLIB6", "ZLIB9"}},
    {"tiff", {"NONE", "CCITTFAX3", "CCITTFAX4", "PACKBITS", "DEFLATE", "ADOBEDEFLATE", "LZW", "JPEG", "LOGLUV"}},
};

}  // namespace

const KeywordRow* KeywordRows(KeywordTable table, int* count) {
    const int index = static_cast<int>(table);
    if (index < 0 || index >= KeywordTableCount) {
        *count = 0;
        return nullptr;
    }
    *count = tables[index].count;
    return tables[index].rows;
}

int32_t KeywordValue(KeywordTable table, const QString& text) {
    const QString word = AsciiUpper(TrimBlanks(text));
    int count = 0;
    const KeywordRow* rows = KeywordRows(table, &count);
    for (int i = 0; i < count; ++i)
        if (word == QLatin1String(rows[i].word)) return rows[i].value;
    return 0;
}

QString KeywordOf(KeywordTable table, int32_t value) {
    int count = 0;
    const KeywordRow* rows = KeywordRows(table, &count);
    for (int i = 0; i < count; ++i)
        if (rows[i].value == value) return QLatin1String(rows[i].word);
    return QString();
}

QString CompressionKeyword(const QString& format, int32_t value) {
    if (value < 0 || value >= 9) return QString();
    for (const FormatCompression& row : formatCompression)
        if (format == QLatin1String(row.format))
            return row.words[value] ? QString(QLatin1String(row.words[value])) : QString();
    return QString();
}
