#pragma once
#include <QString>
#include <cstdint>

// Every persisted setting, named by its configuration key, grouped as in the
// configuration file. Flags, codes and bytes are 8-bit; dates are date values.
struct ConversionSettingsRecord {
    // Group "General"
    struct {
        int32_t cfg;                // "CFG"
        QString language;           // "Language"
        int32_t updateRange;        // "Update Range"
        int32_t updateDate;         // "Update Date"
        int8_t saveWindowPosition;  // "Save Window Position"
    } general;

    // Group "Window"
    struct {
        int8_t isMaximized;          // "IsMaximized"
        int32_t x;                   // "X"
        int32_t y;                   // "Y"
        int32_t width;               // "Width"
        int32_t height;              // "Height"
        int8_t hidePasswords;        // "Hide Passwords"
        int8_t showSinglePassword;   // "Show Single Password"
        int8_t showPasswordList;     // "Show Password List"
        int8_t showCharacterSet;     // "Show Character Set"
        int8_t showAdvancedOptions;  // "Show Advanced Options"
    } window;

    // Group "Interface"
    struct {
        QString uiTheme;  // "UI Theme"
        int32_t uiSize;   // "UI Size"
    } interface;

    // Group "Input"
    struct {
        QString format;            // "Format"
        int32_t ddsLoadAs;         // "DDS Load As"
        int32_t gifFrameLoading;   // "GIF Frame Loading"
        int32_t icoFrameLoading;   // "ICO Frame Loading"
        int32_t tiffFrameLoading;  // "TIFF Frame Loading"
        int32_t psdColorModel;     // "PSD Color Model"
        int32_t rawLoadAs;         // "RAW Load As"
        int32_t rawHeaderSize;     // "RAW Header Size"
        int32_t rawImageWidth;     // "RAW Image Width"
        int32_t rawImageHeight;    // "RAW Image Height"
        int32_t rawToneMapping;    // "RAW Tone Mapping"
    } input;

    // Group "Output"
    struct {
        QString format;           // "Format"
        int32_t bmpBpp;           // "BMP BPP"
        int32_t bmpCompression;   // "BMP Compression"
        int32_t bmpColorTable;    // "BMP Color Table"
        int32_t ddsBpp;           // "DDS BPP"
        int32_t exrBpp;           // "EXR BPP"
        int32_t exrCompression;   // "EXR Compression"
        int32_t gifBpp;           // "GIF BPP"
        int32_t hdrBpp;           // "HDR BPP"
        int32_t icoBpp;           // "ICO BPP"
        int32_t j2kBpp;           // "J2K BPP"
        int32_t jngBpp;           // "JNG BPP"
        int32_t jp2Bpp;           // "JP2 BPP"
        int32_t jpgBpp;           // "JPG BPP"
        int32_t jpgQuality;       // "JPG Quality"
        int32_t jpgChroma;        // "JPG Chroma"
        int32_t jpgSaveAs;        // "JPG Save As"
        int32_t jxrBpp;           // "JXR BPP"
        int32_t pbmBpp;           // "PBM BPP"
        int32_t pcxBpp;           // "PCX BPP"
        int32_t pfmBpp;           // "PFM BPP"
        int32_t pgmBpp;           // "PGM BPP"
        int32_t pngBpp;           // "PNG BPP"
        int32_t pngCompression;   // "PNG Compression"
        int8_t pngInterlaced;     // "PNG Interlaced"
        int32_t ppmBpp;           // "PPM BPP"
        int32_t psdBpp;           // "PSD BPP"
        int32_t tgaBpp;           // "TGA BPP"
        int32_t tgaCompression;   // "TGA Compression"
        int32_t tiffBpp;          // "TIFF BPP"
        int32_t tiffCompression;  // "TIFF Compression"
        int32_t tiffColorModel;   // "TIFF Color Model"
        int32_t wbmpBpp;          // "WBMP BPP"
        int32_t webpBpp;          // "WEBP BPP"
        int32_t webpQuality;      // "WEBP Quality"
        int32_t xpmBpp;           // "XPM BPP"
    } output;

    // Group "Transform"
    struct {
        int8_t doImageRotation;          // "Do Image Rotation"
        int8_t imageRotationType;        // "Image Rotation Type"
        int32_t imageRotation;           // "Image Rotation"
        QString imageRotationBackColor;  // "Image Rotation Back Color"
        int8_t doImageResize;            // "Do Image Resize"
        int32_t imageWidth;              // "Image Width"
        int8_t imageWidthUnit;           // "Image Width Unit"
        int32_t imageHeight;             // "Image Height"
        int8_t imageHeightUnit;          // "Image Height Unit"
        int8_t keepAspectRatio;          // "Keep Aspect Ratio"
        int8_t imageResizeType;          // "Image Resize Type"
        int8_t imageResizeAlgorithm;     // "Image Resize Algorithm"
        int8_t doImageFlipHorizontal;    // "Do Image Flip Horizontal"
        int8_t doImageFlipVertical;      // "Do Image Flip Vertical"
    } transform;

    // Group "Adjustment"
    struct {
        int8_t doImageColorCorrection;  // "Do Image Color Correction"
        int32_t imageBrightness;        // "Image Brightness"
        int32_t imageContrast;          // "Image Contrast"
        float imageGamma;               // "Image Gamma"
        int8_t imageInvert;             // "Image Invert"
        int8_t doImageGreyscale;        // "Do Image Greyscale"
        int8_t doImageThreshold;        // "Do Image Threshold"
        int32_t imageThreshold;         // "Image Threshold"
    } adjustment;

    // Group "Frame"
    struct {
        int8_t doFrame;            // "Do Frame"
        int32_t solidLeft;         // "Solid Left"
        int32_t solidRight;        // "Solid Right"
        int32_t solidTop;          // "Solid Top"
        int32_t solidBottom;       // "Solid Bottom"
        QString solidLeftColor;    // "Solid Left Color"
        QString solidRightColor;   // "Solid Right Color"
        QString solidTopColor;     // "Solid Top Color"
        QString solidBottomColor;  // "Solid Bottom Color"
        int32_t solidOpacity;      // "Solid Opacity"
    } frame;

    // Group "Watermark"
    struct {
        int8_t doWatermark;       // "Do Watermark"
        QString text;             // "Text"
        QString fonts;            // "Fonts"
        QString font;             // "Font"
        int32_t fontSize;         // "Font Size"
        int32_t fontLeading;      // "Font Leading"
        QString fontColors;       // "Font Colors"
        QString fontColor;        // "Font Color"
        int8_t fontStyle;         // "Font Style"
        int8_t fontEffect;        // "Font Effect"
        int8_t textAntialiasing;  // "Text Antialiasing"
        int8_t textAlignment;     // "Text Alignment"
        int32_t textPadding;      // "Text Padding"
        int32_t textOpacity;      // "Text Opacity"
        QString backColors;       // "Back Colors"
        QString backColor;        // "Back Color"
        int32_t backOpacity;      // "Back Opacity"
        int8_t textBoundary;      // "Text Boundary"
        int8_t textPosition;      // "Text Position"
        int32_t textXOffset;      // "Text X Offset"
        int32_t textYOffset;      // "Text Y Offset"
        int32_t textRotation;     // "Text Rotation"
        int8_t textSize;          // "Text Size"
        int32_t textScale;        // "Text Scale"
        QString image;            // "Image"
        int8_t imageGreyscale;    // "Image Greyscale"
        int32_t imageOpacity;     // "Image Opacity"
        int8_t imageBoundary;     // "Image Boundary"
        int8_t imagePosition;     // "Image Position"
        int32_t imageXOffset;     // "Image X Offset"
        int32_t imageYOffset;     // "Image Y Offset"
        int32_t imageRotation;    // "Image Rotation"
        int8_t imageSize;         // "Image Size"
        int32_t imageScale;       // "Image Scale"
    } watermark;

    // Group "Advanced"
    struct {
        QString filenameMask;      // "Filename Mask"
        int8_t fileTimestamp;      // "File Timestamp"
        int32_t customTimestamp;   // "Custom Timestamp"
        int8_t outFoldersHistory;  // "Out Folders History"
        int8_t outFoldersNumber;   // "Out Folders Number"
        int8_t keepSubfolders;     // "Keep Subfolders"
    } advanced;

    // Group "File"
    struct {
        QString txtFields;         // "TxtFields"
        QString csvDelimiter;      // "CsvDelimiter"
        QString recentOutFolders;  // "Recent Out Folders"
        QString recentFiles;       // "Recent Files"
    } file;

    // Group "Privacy"
    struct {
        int8_t cleanRecentFiles;  // "Clean Recent Files"
    } privacy;
};

extern ConversionSettingsRecord ConversionSettings;

// Sets every field to its default. The command-line flavour starts with
// "Keep Aspect Ratio" off.
void LoadDefaultSettings(bool commandLineMode);

// Default left and top edge of the main window for a desktop of the given size.
int DefaultWindowX(int desktopWidth);
int DefaultWindowY(int desktopHeight);

// Describes one field of the record, for the readers and writers that go by key.
enum class SettingType { Flag, Code, Byte, Int, Float, Text, Date };
struct SettingField {
    const char* group;
    const char* key;
    SettingType type;
    void* value;
};
// All fields in record order.
const SettingField* SettingFields(int* count);
// The field of that group and key (exact names), or nullptr.
const SettingField* FindSetting(const char* group, const char* key);
