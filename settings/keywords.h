#pragma once
#include <QString>
#include <cstdint>

// The keyword tables that turn option words into the codes the settings
// store, numbered as the debug listing of a run numbers its keyword lists.
enum class KeywordTable : int32_t {
    DdsLoading = 0,   // "DDS Load As"
    RawLoading,       // "RAW Load As"
    FrameChoice,      // GIF, ICO and TIFF frame loading
    ToneMapping,      // "RAW Tone Mapping"
    Compression,      // the five compression settings share one table
    ColorTable,       // "BMP Color Table"
    ColorModel,       // "PSD Color Model", "TIFF Color Model"
    Chroma,           // "JPG Chroma"
    JpegKind,         // "JPG Save As"
    RotationType,     // "Image Rotation Type"
    Unit,             // "Image Width Unit", "Image Height Unit"
    ResizeType,       // "Image Resize Type"
    ResizeAlgorithm,  // "Image Resize Algorithm"
    FrameKind,        // "Do Frame" (listing only, no option)
    WatermarkKind,    // "Do Watermark" (listing only, no option)
    FontStyle,        // "Font Style"
    FontEffect,       // "Font Effect"
    Alignment,        // "Text Alignment"
    Boundary,         // "Text Boundary", "Image Boundary"
    Position,         // "Text Position", "Image Position"
    SizeMode,         // "Text Size", "Image Size"
    Timestamp,        // "File Timestamp"
};
inline constexpr int32_t KeywordTableCount = 22;

struct KeywordRow {
    const char* word;  // upper case, as compared
    int32_t value;
};
// The rows of a table in lookup order; nullptr and 0 for a number outside the tables.
const KeywordRow* KeywordRows(KeywordTable table, int* count);

// The number of the first word of the table equal to the text after
// removing surrounding blanks and upper-casing it; 0 when none is equal.
int32_t KeywordValue(KeywordTable table, const QString& text);

// The first word of the table with that number, upper case; empty when none.
// The compression table holds several formats' words; use CompressionKeyword.
QString KeywordOf(KeywordTable table, int32_t value);

// The word for a compression number in the list of that output format
// (bmp, tga: NONE RLE; exr: NONE ZIP PIZ PXR24 B44; png: NONE ZLIB1 ZLIB6
// ZLIB9; tiff: NONE CCITTFAX3 ... LOGLUV); empty when none.
QString CompressionKeyword(const QString& format, int32_t value);
