#include "batch/command_line_job.h"

#include <cmath>

#include "batch/input_files.h"
#include "batch/job.h"
#include "batch/output_naming.h"
#include "batch/run_output.h"
#include "batch/watermark_font.h"
#include "batch/worker.h"
#include "platform/file_size.h"
#include "settings/formats.h"
#include "settings/keywords.h"
#include "settings/settings.h"
#include "strings/string_table.h"

namespace {

QString Number(int32_t value) {
    return QString::number(value);
}
QString Flag(int8_t value) {
    return value != 0 ? QStringLiteral("1") : QStringLiteral("0");
}

QString Keyword(KeywordTable list, int32_t value) {
    return SettingKeyword(static_cast<int32_t>(list), value);
}

// The placement lines that the text and the image watermark share.
void PrintWatermarkPlacement(int8_t boundary, int8_t position, int32_t x, int32_t y, int32_t rotation, int8_t size) {
    RunPrint(QStringLiteral("Watermark boundary: ") + Keyword(KeywordTable::Boundary, boundary));
    RunPrint(QStringLiteral("Watermark position: ") + Keyword(KeywordTable::Position, position));
    RunPrint(QStringLiteral("Watermark offset (x/y): %1/%2").arg(x).arg(y));
    RunPrint(QStringLiteral("Watermark rotation: ") + Number(rotation));
    RunPrint(QStringLiteral("Watermark size/mode: ") + Keyword(KeywordTable::SizeMode, size));
}

// Prints the line when the run is in debug mode.
void Debug(bool debug, const QString& line) {
    if (debug) RunPrint(line);
}

// Prints a check's error line; the check has failed.
bool Fail(const QString& line) {
    RunPrint(line);
    return false;
}

struct OutputFormatRow {
    const char* type;
    int32_t* bitDepth;
    int32_t* quality;  // only the lossy formats have one
};

const OutputFormatRow* FindOutputFormatRow(const QString& type) {
    auto& o = ConversionSettings.output;
    static const OutputFormatRow rows[] = {
        {"bmp", &o.bmpBpp, nullptr},          {"dds", &o.ddsBpp, nullptr},   {"exr", &o.exrBpp, nullptr},
        {"gif", &o.gifBpp, nullptr},          {"hdr", &o.hdrBpp, nullptr},   {"ico", &o.icoBpp, nullptr},
        {"j2k", &o.j2kBpp, nullptr},          {"jng", &o.jngBpp, nullptr},   {"jp2", &o.jp2Bpp, nullptr},
        {"jpg", &o.jpgBpp, &o.jpgQuality},    {"jxr", &o.jxrBpp, nullptr},   {"pbm", &o.pbmBpp, nullptr},
        {"pcx", &o.pcxBpp, nullptr},          {"pfm", &o.pfmBpp, nullptr},   {"pgm", &o.pgmBpp, nullptr},
        {"png", &o.pngBpp, nullptr},          {"ppm", &o.ppmBpp, nullptr},   {"psd", &o.psdBpp, nullptr},
        {"tga", &o.tgaBpp, nullptr},          {"tiff", &o.tiffBpp, nullptr}, {"wbmp", &o.wbmpBpp, nullptr},
        {"webp", &o.webpBpp, &o.webpQuality}, {"xpm", &o.xpmBpp, nullptr},
    };
    for (const OutputFormatRow& row : rows)
        if (type == QLatin1String(row.type)) return &row;
    return nullptr;
}

// The format's lines after its "BPP" line.
void PrintOutputFormatExtras(const QString& type) {
    const auto& o = ConversionSettings.output;
    if (type == QLatin1String("bmp")) {
        RunPrint(QStringLiteral("BMP Compression: ") + SettingKeyword(4, o.bmpCompression, type));
        RunPrint(QStringLiteral("BMP Color Table: ") + Keyword(KeywordTable::ColorTable, o.bmpColorTable));
    } else if (type == QLatin1String("exr")) {
        RunPrint(QStringLiteral("EXR Compression: ") + SettingKeyword(4, o.exrCompression, type));
    } else if (type == QLatin1String("jpg")) {
        RunPrint(QStringLiteral("JPG Quality: ") + Number(o.jpgQuality));
        RunPrint(QStringLiteral("JPG Chroma Subsampling: ") + Keyword(KeywordTable::Chroma, o.jpgChroma));
        RunPrint(QStringLiteral("JPG Save As: ") + Keyword(KeywordTable::JpegKind, o.jpgSaveAs));
    } else if (type == QLatin1String("png")) {
        RunPrint(QStringLiteral("PNG Compression: ") + SettingKeyword(4, o.pngCompression, type));
        RunPrint(QStringLiteral("PNG Interlaced: ") + Flag(o.pngInterlaced));
    } else if (type == QLatin1String("tga")) {
        RunPrint(QStringLiteral("TGA Compression: ") + SettingKeyword(4, o.tgaCompression, type));
    } else if (type == QLatin1String("tiff")) {
        RunPrint(QStringLiteral("TIFF Compression: ") + SettingKeyword(4, o.tiffCompression, type));
        RunPrint(QStringLiteral("TIFF Color Model: ") + Keyword(KeywordTable::ColorModel, o.tiffColorModel));
    } else if (type == QLatin1String("webp")) {
        RunPrint(QStringLiteral("WEBP Quality: ") + Number(o.webpQuality));
    }
}

// Input file and output folder, steps that need the file system.
bool CheckInputAndOutput(bool debug) {
    ConversionJobRecord& j = ConversionJob;
    Debug(debug, QStringLiteral("Input: ") + j.inputArgument);
    if (ExtensionPart(j.inputArgument).isEmpty()) {
        j.inputArgument.clear();
        return Fail(QStringLiteral("Error: Invalid input file"));
    }
    j.currentInputPath = j.inputArgument;
    j.inputArgument.clear();
    if (FileSize(j.currentInputPath) <= 0) return Fail(QStringLiteral("Error: Invalid input file"));

    if (j.outputFolder.isEmpty()) j.outputFolder = PathPart(j.currentInputPath);
    Debug(debug, QStringLiteral("Output: ") + j.outputFolder);
    if (j.outputFolder.startsWith(QLatin1String(".."))) return Fail(QStringLiteral("Error: Incorrect output folder"));
    // A relative folder is taken from the folder of the executable, not
    // from the current directory.
    if (!j.outputFolder.startsWith(QLatin1Char('/'))) {
        if (j.outputFolder.startsWith(QLatin1String("./"))) j.outputFolder.remove(0, 2);
        j.outputFolder.prepend(j.programFolder);
    }
    if (!j.outputFolder.endsWith(QLatin1Char('/'))) j.outputFolder += QLatin1Char('/');
    // The folder is never created.
    if (FileSize(j.outputFolder) != -2) return Fail(QStringLiteral("Error: Invalid output folder"));
    return true;
}

bool CheckTransform(bool debug) {
    const auto& t = ConversionSettings.transform;
    if (t.doImageRotation && debug) {
        RunPrint(QStringLiteral("Image Rotation Type: ") + Keyword(KeywordTable::RotationType, t.imageRotationType));
        RunPrint(QStringLiteral("Image Rotation: ") + Number(t.imageRotation));
        RunPrint(QStringLiteral("Image Rotation Back Color: ") + t.imageRotationBackColor);
    }
    if (t.doImageResize) {
        Debug(debug,
              QStringLiteral("Width: %1 %2").arg(Number(t.imageWidth), Keyword(KeywordTable::Unit, t.imageWidthUnit)));
        if (t.imageWidth == 0) return Fail(QStringLiteral("Error: Invalid width value"));
        Debug(
            debug,
            QStringLiteral("Height: %1 %2").arg(Number(t.imageHeight), Keyword(KeywordTable::Unit, t.imageHeightUnit)));
        if (t.imageHeight == 0) return Fail(QStringLiteral("Error: Invalid height value"));
        Debug(debug, QStringLiteral("Keep Aspect Ratio: ") + Flag(t.keepAspectRatio));
        Debug(debug, QStringLiteral("Image Resize Type: ") + Keyword(KeywordTable::ResizeType, t.imageResizeType));
        Debug(debug, QStringLiteral("Image Resize Algorithm: ") +
                         Keyword(KeywordTable::ResizeAlgorithm, t.imageResizeAlgorithm));
    }
    Debug(debug, QStringLiteral("Flip Horizontal: ") + Flag(t.doImageFlipHorizontal));
    Debug(debug, QStringLiteral("Flip Vertical: ") + Flag(t.doImageFlipVertical));
    return true;
}

bool CheckAdjustment(bool debug) {
    const auto& a = ConversionSettings.adjustment;
    if (a.doImageColorCorrection) {
        Debug(debug, QStringLiteral("Brightness: ") + Number(a.imageBrightness));
        if (a.imageBrightness < -100 || a.imageBrightness > 100)
            return Fail(QStringLiteral("Error: Invalid brightness value"));
        Debug(debug, QStringLiteral("Contrast: ") + Number(a.imageContrast));
        if (a.imageContrast < -100 || a.imageContrast > 100)
            return Fail(QStringLiteral("Error: Invalid contrast value"));
        Debug(debug, QStringLiteral("Gamma: ") + QString::number(a.imageGamma, 'f', 2));
        // Compared in single precision, so 0.01 and 9.99 as typed pass; a
        // gamma that is not a number would slip past both bounds.
        const float gamma = a.imageGamma;
        if (std::isnan(gamma) || gamma < 0.01f || gamma > 9.99f)
            return Fail(QStringLiteral("Error: Invalid gamma value"));
        Debug(debug, QStringLiteral("Invert: ") + Flag(a.imageInvert));
    }
    Debug(debug, QStringLiteral("Greyscale: ") + Flag(a.doImageGreyscale));
    if (a.doImageThreshold && debug) RunPrint(QStringLiteral("Image Threshold: ") + Number(a.imageThreshold));
    return true;
}

void PrintFrameLines(bool debug) {
    const auto& f = ConversionSettings.frame;
    Debug(debug, QStringLiteral("Frame: ") + Keyword(KeywordTable::FrameKind, f.doFrame));
    if (f.doFrame != 1 || !debug) return;
    RunPrint(QStringLiteral("Frame left: ") + Number(f.solidLeft));
    RunPrint(QStringLiteral("Frame right: ") + Number(f.solidRight));
    RunPrint(QStringLiteral("Frame top: ") + Number(f.solidTop));
    RunPrint(QStringLiteral("Frame bottom: ") + Number(f.solidBottom));
    RunPrint(QStringLiteral("Frame left color: ") + f.solidLeftColor);
    RunPrint(QStringLiteral("Frame right color: ") + f.solidRightColor);
    RunPrint(QStringLiteral("Frame top color: ") + f.solidTopColor);
    RunPrint(QStringLiteral("Frame bottom color: ") + f.solidBottomColor);
    RunPrint(QStringLiteral("Frame opacity: ") + Number(f.solidOpacity));
}

bool CheckWatermark(bool debug) {
    const auto& w = ConversionSettings.watermark;
    Debug(debug, QStringLiteral("Watermark: ") + Keyword(KeywordTable::WatermarkKind, w.doWatermark));
    if (w.doWatermark == 1) {
        if (debug) {
            RunPrint(QStringLiteral("Watermark text: ") + w.text);
            RunPrint(QStringLiteral("Watermark font: ") + w.font);
            RunPrint(QStringLiteral("Watermark font size: ") + Number(w.fontSize));
            RunPrint(QStringLiteral("Watermark font leading: ") + Number(w.fontLeading));
            RunPrint(QStringLiteral("Watermark font color: ") + w.fontColor);
            RunPrint(QStringLiteral("Watermark font style: ") + Keyword(KeywordTable::FontStyle, w.fontStyle));
            RunPrint(QStringLiteral("Watermark font effect: ") + Keyword(KeywordTable::FontEffect, w.fontEffect));
            RunPrint(QStringLiteral("Watermark text antialiasing: ") + Flag(w.textAntialiasing));
            RunPrint(QStringLiteral("Watermark text alignment: ") + Keyword(KeywordTable::Alignment, w.textAlignment));
            RunPrint(QStringLiteral("Watermark text padding: ") + Number(w.textPadding));
            RunPrint(QStringLiteral("Watermark text opacity: ") + Number(w.textOpacity));
            RunPrint(QStringLiteral("Watermark background color: ") + w.backColor);
            RunPrint(QStringLiteral("Watermark background opacity: ") + Number(w.backOpacity));
            PrintWatermarkPlacement(w.textBoundary, w.textPosition, w.textXOffset, w.textYOffset, w.textRotation,
                                    w.textSize);
        }
        const int32_t style = FontStyleFlags(w.fontStyle) + FontEffectFlags(w.fontEffect);
        if (!LoadWatermarkFont(w.font, w.fontSize, style)) return Fail(QStringLiteral("Error: Invalid watermark font"));
    } else if (w.doWatermark == 2) {
        if (debug) {
            RunPrint(QStringLiteral("Watermark image: ") + w.image);
            RunPrint(QStringLiteral("Watermark greyscale: ") + Flag(w.imageGreyscale));
            RunPrint(QStringLiteral("Watermark opacity: ") + Number(w.imageOpacity));
            PrintWatermarkPlacement(w.imageBoundary, w.imagePosition, w.imageXOffset, w.imageYOffset, w.imageRotation,
                                    w.imageSize);
        }
        if (FileSize(w.image) <= 0) return Fail(QStringLiteral("Error: Invalid watermark image"));
    }
    return true;
}

void PrintAdvancedLines(bool debug) {
    if (!debug) return;
    const auto& a = ConversionSettings.advanced;
    RunPrint(QStringLiteral("Filename Mask: ") + a.filenameMask);
    RunPrint(QStringLiteral("File Timestamp: ") + Keyword(KeywordTable::Timestamp, a.fileTimestamp));
    if (a.fileTimestamp == 2) RunPrint(QStringLiteral("Custom Timestamp: ") + Number(a.customTimestamp));
    RunPrint(QStringLiteral("Keep Subfolders: ") + Flag(a.keepSubfolders));
}

void FreeWatermarkFontIfLoaded() {
    if (ConversionSettings.watermark.doWatermark == 1 && IsWatermarkFontLoaded()) FreeWatermarkFont();
}

}  // namespace

QString SettingKeyword(int32_t list, int32_t value, const QString& compressionFormat) {
    if (list < 0 || list >= KeywordTableCount) return QString();
    const auto table = static_cast<KeywordTable>(list);
    if (table == KeywordTable::Compression) return CompressionKeyword(compressionFormat, value).toLower();
    return KeywordOf(table, value).toLower();
}

bool IsOutputFormat(const QString& name) {
    return OutputFormatList().contains(name, Qt::CaseSensitive);
}

bool IsAllowedBitDepth(const QString& format, int32_t depth) {
    if (depth == 0) return true;
    const QStringList allowed = OutputBitDepths(format).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& item : allowed) {
        bool ok = false;
        const int32_t value = item.trimmed().toInt(&ok, 10);
        if (ok && value == depth) return true;
    }
    return false;
}

int32_t FontStyleFlags(int8_t style) {
    switch (style) {
        case 1:
            return FontBold;
        case 2:
            return FontItalic;
        case 3:
            return FontBold + FontItalic;
        default:
            return 0;
    }
}

int32_t FontEffectFlags(int8_t effect) {
    switch (effect) {
        case 1:
            return FontUnderline;
        case 2:
            return FontStrikeOut;
        default:
            return 0;
    }
}

int32_t OutputFormatBitDepth(const QString& type) {
    const OutputFormatRow* row = FindOutputFormatRow(type);
    return row ? *row->bitDepth : 0;
}

void PrintInputFormatLines(const QString& format) {
    const auto& i = ConversionSettings.input;
    if (format == QLatin1String("dds")) {
        RunPrint(QStringLiteral("DDS Load As: ") + Keyword(KeywordTable::DdsLoading, i.ddsLoadAs));
    } else if (format == QLatin1String("gif")) {
        RunPrint(QStringLiteral("GIF Frame Loading: ") + Keyword(KeywordTable::FrameChoice, i.gifFrameLoading));
    } else if (format == QLatin1String("ico")) {
        RunPrint(QStringLiteral("ICO Frame Loading: ") + Keyword(KeywordTable::FrameChoice, i.icoFrameLoading));
    } else if (format == QLatin1String("psd")) {
        RunPrint(QStringLiteral("PSD Color Model: ") + Keyword(KeywordTable::ColorModel, i.psdColorModel));
    } else if (format == QLatin1String("raw")) {
        RunPrint(QStringLiteral("RAW Load As: ") + Keyword(KeywordTable::RawLoading, i.rawLoadAs));
        RunPrint(QStringLiteral("RAW Header Size: ") + Number(i.rawHeaderSize));
        RunPrint(QStringLiteral("RAW Image Width: ") + Number(i.rawImageWidth));
        RunPrint(QStringLiteral("RAW Image Height: ") + Number(i.rawImageHeight));
        RunPrint(QStringLiteral("RAW Tone Mapping: ") + Keyword(KeywordTable::ToneMapping, i.rawToneMapping));
    } else if (format == QLatin1String("tiff")) {
        RunPrint(QStringLiteral("TIFF Frame Loading: ") + Keyword(KeywordTable::FrameChoice, i.tiffFrameLoading));
    }
}

bool CheckOutputFormat(const QString& type, bool debug) {
    const OutputFormatRow* row = FindOutputFormatRow(type);
    if (!row) return true;
    if (debug) {
        RunPrint(type.toUpper() + QStringLiteral(" BPP: ") + Number(*row->bitDepth));
        PrintOutputFormatExtras(type);
    }
    if (!IsAllowedBitDepth(type, *row->bitDepth)) return Fail(QStringLiteral("Error: Invalid %1-bpp value").arg(type));
    if (row->quality && (*row->quality < 1 || *row->quality > 100))
        return Fail(QStringLiteral("Error: Invalid %1-quality value").arg(type));
    return true;
}

bool CheckCommandLineJob(bool quiet) {
    ConversionJobRecord& j = ConversionJob;
    const bool debug = j.runMode == QLatin1String("DEBUG");
    if (!quiet) RunPrint(GetString(QStringLiteral("General"), QStringLiteral("Preparing")));
    if (!CheckInputAndOutput(debug)) return false;

    if (j.inputFormat.isEmpty()) j.inputFormat = InputFormatList().value(0);
    if (j.conversionType.isEmpty()) j.conversionType = OutputFormatList().value(0);
    Debug(debug, QStringLiteral("Conversion: ") + j.conversionType);
    if (!IsOutputFormat(j.conversionType)) return Fail(QStringLiteral("Error: Invalid conversion type"));
    if (debug) PrintInputFormatLines(j.inputFormat);
    if (!CheckOutputFormat(j.conversionType, debug)) return false;

    if (!CheckTransform(debug)) return false;
    if (!CheckAdjustment(debug)) return false;
    PrintFrameLines(debug);
    if (!CheckWatermark(debug)) return false;
    PrintAdvancedLines(debug);

    j.outputBitDepth = OutputFormatBitDepth(j.conversionType);
    j.automaticDepth = j.outputBitDepth == 0 ? 1 : 0;
    return true;
}

int RunCommandLineJob(bool quiet) {
    ConversionJobRecord& j = ConversionJob;
    if (!CheckCommandLineJob(quiet)) return RunCheckFailed;

    if (!quiet) RunPrint(GetString(QStringLiteral("General"), QStringLiteral("Importing")));
    // A list file names other files; lists are not read, so nothing is added.
    const QString extension = ExtensionPart(j.currentInputPath).toLower();
    if (extension != QLatin1String("txt") && extension != QLatin1String("lst"))
        j.fileCount = AddInputFile(j.currentInputPath) ? 1 : 0;
    if (!quiet)
        RunPrint(
            FillPlaceholders(GetString(QStringLiteral("Msg"), QStringLiteral("Import complete")), Number(j.fileCount)));
    if (j.fileCount == 0) {
        RunPrint(GetString(QStringLiteral("Msg"), QStringLiteral("Conversion is not complete")));
        RunPrint(GetString(QStringLiteral("Msg"), QStringLiteral("Empty input files")));
        FreeWatermarkFontIfLoaded();
        return RunNothingConverted;
    }

    const int32_t total = j.fileCount;
    if (!quiet) RunPrint(GetString(QStringLiteral("General"), QStringLiteral("Converting")));
    j.progressIndex = 0;
    j.progressPath.clear();
    j.fileCount = 0;
    j.running = 1;
    CreateJobLock();
    if (StartConversionWorker()) WaitForConversionWorker();
    FreeJobLock();

    const int32_t converted = j.fileCount;
    if (converted > 0) {
        if (!quiet) {
            RunPrint(GetString(QStringLiteral("Msg"), QStringLiteral("Conversion complete")));
            RunPrint(FillPlaceholders(GetString(QStringLiteral("Msg"), QStringLiteral("Files converted")),
                                      Number(converted), Number(total)));
        }
    } else {
        RunPrint(GetString(QStringLiteral("Msg"), QStringLiteral("Conversion is not complete")));
    }
    FreeWatermarkFontIfLoaded();
    return converted > 0 ? RunConverted : RunNothingConverted;
}
