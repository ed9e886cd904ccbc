#include "settings/settings.h"

#include <cstring>
#include <iterator>

#include "platform/date_value.h"
#include "platform/desktop.h"
#include "settings/formats.h"
#include "settings/product.h"

ConversionSettingsRecord ConversionSettings;

int DefaultWindowX(int desktopWidth) {
    return 510 < desktopWidth ? (desktopWidth - 510) / 2 : 100;
}
int DefaultWindowY(int desktopHeight) {
    return 260 < desktopHeight ? (desktopHeight - 260) / 2 : 100;
}

void LoadDefaultSettings(bool commandLineMode) {
    ConversionSettingsRecord& s = ConversionSettings;
    const int32_t now = CurrentDateValue();
    const DesktopSize desktop = PrimaryDesktopSize();
    const QString colours = QStringLiteral("000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF");
    s.general.cfg = 18;
    s.general.language = QStringLiteral("en");
    s.general.updateRange = 2;
    s.general.updateDate = now;
    s.general.saveWindowPosition = 1;
    s.window.isMaximized = 0;
    s.window.x = DefaultWindowX(desktop.width);
    s.window.y = DefaultWindowY(desktop.height);
    s.window.width = 510;
    s.window.height = 260;
    s.window.hidePasswords = 0;
    s.window.showSinglePassword = 1;
    s.window.showPasswordList = 1;
    s.window.showCharacterSet = 1;
    s.window.showAdvancedOptions = 1;
    s.interface.uiTheme = QStringLiteral("handdrawn");
    s.interface.uiSize = 2;
    s.input.format = InputFormatList().value(0);
    s.input.ddsLoadAs = 0;
    s.input.gifFrameLoading = 0;
    s.input.icoFrameLoading = 0;
    s.input.tiffFrameLoading = 0;
    s.input.psdColorModel = 0;
    s.input.rawLoadAs = 0;
    s.input.rawHeaderSize = 0;
    s.input.rawImageWidth = 0;
    s.input.rawImageHeight = 0;
    s.input.rawToneMapping = 2;
    s.output.format = OutputFormatList().value(0);
    s.output.bmpBpp = 0;
    s.output.bmpCompression = 0;
    s.output.bmpColorTable = 0;
    s.output.ddsBpp = 0;
    s.output.exrBpp = 0;
    s.output.exrCompression = 0;
    s.output.gifBpp = 0;
    s.output.hdrBpp = 0;
    s.output.icoBpp = 0;
    s.output.j2kBpp = 0;
    s.output.jngBpp = 0;
    s.output.jp2Bpp = 0;
    s.output.jpgBpp = 0;
    s.output.jpgQuality = 95;
    s.output.jpgChroma = 0;
    s.output.jpgSaveAs = 0;
    s.output.jxrBpp = 0;
    s.output.pbmBpp = 0;
    s.output.pcxBpp = 0;
    s.output.pfmBpp = 0;
    s.output.pgmBpp = 0;
    s.output.pngBpp = 0;
    s.output.pngCompression = 0;
    s.output.pngInterlaced = 0;
    s.output.ppmBpp = 0;
    s.output.psdBpp = 0;
    s.output.tgaBpp = 0;
    s.output.tgaCompression = 0;
    s.output.tiffBpp = 0;
    s.output.tiffCompression = 0;
    s.output.tiffColorModel = 0;
    s.output.wbmpBpp = 0;
    s.output.webpBpp = 0;
    s.output.webpQuality = 100;
    s.output.xpmBpp = 0;
    s.transform.doImageRotation = 0;
    s.transform.imageRotationType = 0;
    s.transform.imageRotation = 0;
    s.transform.imageRotationBackColor = QStringLiteral("000000");
    s.transform.doImageResize = 0;
    s.transform.imageWidth = 0;
    s.transform.imageWidthUnit = 0;
    s.transform.imageHeight = 0;
    s.transform.imageHeightUnit = 0;
    s.transform.keepAspectRatio = commandLineMode ? 0 : 1;
    s.transform.imageResizeType = 0;
    s.transform.imageResizeAlgorithm = 3;
    s.transform.doImageFlipHorizontal = 0;
    s.transform.doImageFlipVertical = 0;
    s.adjustment.doImageColorCorrection = 0;
    s.adjustment.imageBrightness = 0;
    s.adjustment.imageContrast = 0;
    s.adjustment.imageGamma = 1.0f;
    s.adjustment.imageInvert = 0;
    s.adjustment.doImageGreyscale = 0;
    s.adjustment.doImageThreshold = 0;
    s.adjustment.imageThreshold = 0;
    s.frame.doFrame = 0;
    s.frame.solidLeft = 0;
    s.frame.solidRight = 0;
    s.frame.solidTop = 0;
    s.frame.solidBottom = 0;
    s.frame.solidLeftColor = QStringLiteral("000000");
    s.frame.solidRightColor = QStringLiteral("000000");
    s.frame.solidTopColor = QStringLiteral("000000");
    s.frame.solidBottomColor = QStringLiteral("000000");
    s.frame.solidOpacity = 255;
    s.watermark.doWatermark = 0;
    s.watermark.text = QString::fromUtf8(CopyrightText);
    s.watermark.fonts = QStringLiteral("Arial,Tahoma,Verdana");
    s.watermark.font = QStringLiteral("Arial");
    s.watermark.fontSize = 14;
    s.watermark.fontLeading = 0;
    s.watermark.fontColors = colours;
    s.watermark.fontColor = QStringLiteral("FFFFFF");
    s.watermark.fontStyle = 0;
    s.watermark.fontEffect = 0;
    s.watermark.textAntialiasing = 0;
    s.watermark.textAlignment = 0;
    s.watermark.textPadding = 0;
    s.watermark.textOpacity = 255;
    s.watermark.backColors = colours;
    s.watermark.backColor = QStringLiteral("000000");
    s.watermark.backOpacity = 1;
    s.watermark.textBoundary = 0;
    s.watermark.textPosition = 8;
    s.watermark.textXOffset = 10;
    s.watermark.textYOffset = 10;
    s.watermark.textRotation = 0;
    s.watermark.textSize = 0;
    s.watermark.textScale = 10;
    s.watermark.image = QStringLiteral("");
    s.watermark.imageGreyscale = 0;
    s.watermark.imageOpacity = 255;
    s.watermark.imageBoundary = 0;
    s.watermark.imagePosition = 8;
    s.watermark.imageXOffset = 10;
    s.watermark.imageYOffset = 10;
    s.watermark.imageRotation = 0;
    s.watermark.imageSize = 0;
    s.watermark.imageScale = 10;
    s.advanced.filenameMask = QStringLiteral("%filename%.%ext%");
    s.advanced.fileTimestamp = 0;
    s.advanced.customTimestamp = now;
    s.advanced.outFoldersHistory = 1;
    s.advanced.outFoldersNumber = 5;
    s.advanced.keepSubfolders = 1;
    s.file.txtFields = QStringLiteral("username,password,firstname,lastname,title,sex,notes");
    s.file.csvDelimiter = QStringLiteral(",");
    s.file.recentOutFolders = QStringLiteral("");
    s.file.recentFiles = QStringLiteral("");
    s.privacy.cleanRecentFiles = 0;
}

namespace {
const SettingField fields[] = {
    {"General", "CFG", SettingType::Int, &ConversionSettings.general.cfg},
    {"General", "Language", SettingType::Text, &ConversionSettings.general.language},
    {"General", "Update Range", SettingType::Int, &ConversionSettings.general.updateRange},
    {"General", "Update Date", SettingType::Date, &ConversionSettings.general.updateDate},
    {"General", "Save Window Position", SettingType::Flag, &ConversionSettings.general.saveWindowPosition},
    {"Window", "IsMaximized", SettingType::Flag, &ConversionSettings.window.isMaximized},
    {"Window", "X", SettingType::Int, &ConversionSettings.window.x},
    {"Window", "Y", SettingType::Int, &ConversionSettings.window.y},
    {"Window", "Width", SettingType::Int, &ConversionSettings.window.width},
    {"Window", "Height", SettingType::Int, &ConversionSettings.window.height},
    {"Window", "Hide Passwords", SettingType::Flag, &ConversionSettings.window.hidePasswords},
    {"Window", "Show Single Password", SettingType::Flag, &ConversionSettings.window.showSinglePassword},
    {"Window", "Show Password List", SettingType::Flag, &ConversionSettings.window.showPasswordList},
    {"Window", "Show Character Set", SettingType::Flag, &ConversionSettings.window.showCharacterSet},
    {"Window", "Show Advanced Options", SettingType::Flag, &ConversionSettings.window.showAdvancedOptions},
    {"Interface", "UI Theme", SettingType::Text, &ConversionSettings.interface.uiTheme},
    {"Interface", "UI Size", SettingType::Int, &ConversionSettings.interface.uiSize},
    {"Input", "Format", SettingType::Text, &ConversionSettings.input.format},
    {"Input", "DDS Load As", SettingType::Int, &ConversionSettings.input.ddsLoadAs},
    {"Input", "GIF Frame Loading", SettingType::Int, &ConversionSettings.input.gifFrameLoading},
    {"Input", "ICO Frame Loading", SettingType::Int, &ConversionSettings.input.icoFrameLoading},
    {"Input", "TIFF Frame Loading", SettingType::Int, &ConversionSettings.input.tiffFrameLoading},
    {"Input", "PSD Color Model", SettingType::Int, &ConversionSettings.input.psdColorModel},
    {"Input", "RAW Load As", SettingType::Int, &ConversionSettings.input.rawLoadAs},
    {"Input", "RAW Header Size", SettingType::Int, &ConversionSettings.input.rawHeaderSize},
    {"Input", "RAW Image Width", SettingType::Int, &ConversionSettings.input.rawImageWidth},
    {"Input", "RAW Image Height", SettingType::Int, &ConversionSettings.input.rawImageHeight},
    {"Input", "RAW Tone Mapping", SettingType::Int, &ConversionSettings.input.rawToneMapping},
    {"Output", "Format", SettingType::Text, &ConversionSettings.output.format},
    {"Output", "BMP BPP", SettingType::Int, &ConversionSettings.output.bmpBpp},
    {"Output", "BMP Compression", SettingType::Int, &ConversionSettings.output.bmpCompression},
    {"Output", "BMP Color Table", SettingType::Int, &ConversionSettings.output.bmpColorTable},
    {"Output", "DDS BPP", SettingType::Int, &ConversionSettings.output.ddsBpp},
    {"Output", "EXR BPP", SettingType::Int, &ConversionSettings.output.exrBpp},
    {"Output", "EXR Compression", SettingType::Int, &ConversionSettings.output.exrCompression},
    {"Output", "GIF BPP", SettingType::Int, &ConversionSettings.output.gifBpp},
    {"Output", "HDR BPP", SettingType::Int, &ConversionSettings.output.hdrBpp},
    {"Output", "ICO BPP", SettingType::Int, &ConversionSettings.output.icoBpp},
    {"Output", "J2K BPP", SettingType::Int, &ConversionSettings.output.j2kBpp},
    {"Output", "JNG BPP", SettingType::Int, &ConversionSettings.output.jngBpp},
    {"Output", "JP2 BPP", SettingType::Int, &ConversionSettings.output.jp2Bpp},
    {"Output", "JPG BPP", SettingType::Int, &ConversionSettings.output.jpgBpp},
    {"Output", "JPG Quality", SettingType::Int, &ConversionSettings.output.jpgQuality},
    {"Output", "JPG Chroma", SettingType::Int, &ConversionSettings.output.jpgChroma},
    {"Output", "JPG Save As", SettingType::Int, &ConversionSettings.output.jpgSaveAs},
    {"Output", "JXR BPP", SettingType::Int, &ConversionSettings.output.jxrBpp},
    {"Output", "PBM BPP", SettingType::Int, &ConversionSettings.output.pbmBpp},
    {"Output", "PCX BPP", SettingType::Int, &ConversionSettings.output.pcxBpp},
    {"Output", "PFM BPP", SettingType::Int, &ConversionSettings.output.pfmBpp},
    {"Output", "PGM BPP", SettingType::Int, &ConversionSettings.output.pgmBpp},
    {"Output", "PNG BPP", SettingType::Int, &ConversionSettings.output.pngBpp},
    {"Output", "PNG Compression", SettingType::Int, &ConversionSettings.output.pngCompression},
    {"Output", "PNG Interlaced", SettingType::Flag, &ConversionSettings.output.pngInterlaced},
    {"Output", "PPM BPP", SettingType::Int, &ConversionSettings.output.ppmBpp},
    {"Output", "PSD BPP", SettingType::Int, &ConversionSettings.output.psdBpp},
    {"Output", "TGA BPP", SettingType::Int, &ConversionSettings.output.tgaBpp},
    {"Output", "TGA Compression", SettingType::Int, &ConversionSettings.output.tgaCompression},
    {"Output", "TIFF BPP", SettingType::Int, &ConversionSettings.output.tiffBpp},
    {"Output", "TIFF Compression", SettingType::Int, &ConversionSettings.output.tiffCompression},
    {"Output", "TIFF Color Model", SettingType::Int, &ConversionSettings.output.tiffColorModel},
    {"Output", "WBMP BPP", SettingType::Int, &ConversionSettings.output.wbmpBpp},
    {"Output", "WEBP BPP", SettingType::Int, &ConversionSettings.output.webpBpp},
    {"Output", "WEBP Quality", SettingType::Int, &ConversionSettings.output.webpQuality},
    {"Output", "XPM BPP", SettingType::Int, &ConversionSettings.output.xpmBpp},
    {"Transform", "Do Image Rotation", SettingType::Flag, &ConversionSettings.transform.doImageRotation},
    {"Transform", "Image Rotation Type", SettingType::Code, &ConversionSettings.transform.imageRotationType},
    {"Transform", "Image Rotation", SettingType::Int, &ConversionSettings.transform.imageRotation},
    {"Transform", "Image Rotation Back Color", SettingType::Text, &ConversionSettings.transform.imageRotationBackColor},
    {"Transform", "Do Image Resize", SettingType::Flag, &ConversionSettings.transform.doImageResize},
    {"Transform", "Image Width", SettingType::Int, &ConversionSettings.transform.imageWidth},
    {"Transform", "Image Width Unit", SettingType::Code, &ConversionSettings.transform.imageWidthUnit},
    {"Transform", "Image Height", SettingType::Int, &ConversionSettings.transform.imageHeight},
    {"Transform", "Image Height Unit", SettingType::Code, &ConversionSettings.transform.imageHeightUnit},
    {"Transform", "Keep Aspect Ratio", SettingType::Flag, &ConversionSettings.transform.keepAspectRatio},
    {"Transform", "Image Resize Type", SettingType::Code, &ConversionSettings.transform.imageResizeType},
    {"Transform", "Image Resize Algorithm", SettingType::Code, &ConversionSettings.transform.imageResizeAlgorithm},
    {"Transform", "Do Image Flip Horizontal", SettingType::Flag, &ConversionSettings.transform.doImageFlipHorizontal},
    {"Transform", "Do Image Flip Vertical", SettingType::Flag, &ConversionSettings.transform.doImageFlipVertical},
    {"Adjustment", "Do Image Color Correction", SettingType::Flag,
     &ConversionSettings.adjustment.doImageColorCorrection},
    {"Adjustment", "Image Brightness", SettingType::Int, &ConversionSettings.adjustment.imageBrightness},
    {"Adjustment", "Image Contrast", SettingType::Int, &ConversionSettings.adjustment.imageContrast},
    {"Adjustment", "Image Gamma", SettingType::Float, &ConversionSettings.adjustment.imageGamma},
    {"Adjustment", "Image Invert", SettingType::Flag, &ConversionSettings.adjustment.imageInvert},
    {"Adjustment", "Do Image Greyscale", SettingType::Flag, &ConversionSettings.adjustment.doImageGreyscale},
    {"Adjustment", "Do Image Threshold", SettingType::Flag, &ConversionSettings.adjustment.doImageThreshold},
    {"Adjustment", "Image Threshold", SettingType::Int, &ConversionSettings.adjustment.imageThreshold},
    {"Frame", "Do Frame", SettingType::Code, &ConversionSettings.frame.doFrame},
    {"Frame", "Solid Left", SettingType::Int, &ConversionSettings.frame.solidLeft},
    {"Frame", "Solid Right", SettingType::Int, &ConversionSettings.frame.solidRight},
    {"Frame", "Solid Top", SettingType::Int, &ConversionSettings.frame.solidTop},
    {"Frame", "Solid Bottom", SettingType::Int, &ConversionSettings.frame.solidBottom},
    {"Frame", "Solid Left Color", SettingType::Text, &ConversionSettings.frame.solidLeftColor},
    {"Frame", "Solid Right Color", SettingType::Text, &ConversionSettings.frame.solidRightColor},
    {"Frame", "Solid Top Color", SettingType::Text, &ConversionSettings.frame.solidTopColor},
    {"Frame", "Solid Bottom Color", SettingType::Text, &ConversionSettings.frame.solidBottomColor},
    {"Frame", "Solid Opacity", SettingType::Int, &ConversionSettings.frame.solidOpacity},
    {"Watermark", "Do Watermark", SettingType::Code, &ConversionSettings.watermark.doWatermark},
    {"Watermark", "Text", SettingType::Text, &ConversionSettings.watermark.text},
    {"Watermark", "Fonts", SettingType::Text, &ConversionSettings.watermark.fonts},
    {"Watermark", "Font", SettingType::Text, &ConversionSettings.watermark.font},
    {"Watermark", "Font Size", SettingType::Int, &ConversionSettings.watermark.fontSize},
    {"Watermark", "Font Leading", SettingType::Int, &ConversionSettings.watermark.fontLeading},
    {"Watermark", "Font Colors", SettingType::Text, &ConversionSettings.watermark.fontColors},
    {"Watermark", "Font Color", SettingType::Text, &ConversionSettings.watermark.fontColor},
    {"Watermark", "Font Style", SettingType::Code, &ConversionSettings.watermark.fontStyle},
    {"Watermark", "Font Effect", SettingType::Code, &ConversionSettings.watermark.fontEffect},
    {"Watermark", "Text Antialiasing", SettingType::Flag, &ConversionSettings.watermark.textAntialiasing},
    {"Watermark", "Text Alignment", SettingType::Code, &ConversionSettings.watermark.textAlignment},
    {"Watermark", "Text Padding", SettingType::Int, &ConversionSettings.watermark.textPadding},
    {"Watermark", "Text Opacity", SettingType::Int, &ConversionSettings.watermark.textOpacity},
    {"Watermark", "Back Colors", SettingType::Text, &ConversionSettings.watermark.backColors},
    {"Watermark", "Back Color", SettingType::Text, &ConversionSettings.watermark.backColor},
    {"Watermark", "Back Opacity", SettingType::Int, &ConversionSettings.watermark.backOpacity},
    {"Watermark", "Text Boundary", SettingType::Code, &ConversionSettings.watermark.textBoundary},
    {"Watermark", "Text Position", SettingType::Code, &ConversionSettings.watermark.textPosition},
    {"Watermark", "Text X Offset", SettingType::Int, &ConversionSettings.watermark.textXOffset},
    {"Watermark", "Text Y Offset", SettingType::Int, &ConversionSettings.watermark.textYOffset},
    {"Watermark", "Text Rotation", SettingType::Int, &ConversionSettings.watermark.textRotation},
    {"Watermark", "Text Size", SettingType::Code, &ConversionSettings.watermark.textSize},
    {"Watermark", "Text Scale", SettingType::Int, &ConversionSettings.watermark.textScale},
    {"Watermark", "Image", SettingType::Text, &ConversionSettings.watermark.image},
    {"Watermark", "Image Greyscale", SettingType::Flag, &ConversionSettings.watermark.imageGreyscale},
    {"Watermark", "Image Opacity", SettingType::Int, &ConversionSettings.watermark.imageOpacity},
    {"Watermark", "Image Boundary", SettingType::Code, &ConversionSettings.watermark.imageBoundary},
    {"Watermark", "Image Position", SettingType::Code, &ConversionSettings.watermark.imagePosition},
    {"Watermark", "Image X Offset", SettingType::Int, &ConversionSettings.watermark.imageXOffset},
    {"Watermark", "Image Y Offset", SettingType::Int, &ConversionSettings.watermark.imageYOffset},
    {"Watermark", "Image Rotation", SettingType::Int, &ConversionSettings.watermark.imageRotation},
    {"Watermark", "Image Size", SettingType::Code, &ConversionSettings.watermark.imageSize},
    {"Watermark", "Image Scale", SettingType::Int, &ConversionSettings.watermark.imageScale},
    {"Advanced", "Filename Mask", SettingType::Text, &ConversionSettings.advanced.filenameMask},
    {"Advanced", "File Timestamp", SettingType::Code, &ConversionSettings.advanced.fileTimestamp},
    {"Advanced", "Custom Timestamp", SettingType::Date, &ConversionSettings.advanced.customTimestamp},
    {"Advanced", "Out Folders History", SettingType::Flag, &ConversionSettings.advanced.outFoldersHistory},
    {"Advanced", "Out Folders Number", SettingType::Byte, &ConversionSettings.advanced.outFoldersNumber},
    {"Advanced", "Keep Subfolders", SettingType::Flag, &ConversionSettings.advanced.keepSubfolders},
    {"File", "TxtFields", SettingType::Text, &ConversionSettings.file.txtFields},
    {"File", "CsvDelimiter", SettingType::Text, &ConversionSettings.file.csvDelimiter},
    {"File", "Recent Out Folders", SettingType::Text, &ConversionSettings.file.recentOutFolders},
    {"File", "Recent Files", SettingType::Text, &ConversionSettings.file.recentFiles},
    {"Privacy", "Clean Recent Files", SettingType::Flag, &ConversionSettings.privacy.cleanRecentFiles},
};
}  // namespace

const SettingField* SettingFields(int* count) {
    *count = static_cast<int>(std::size(fields));
    return fields;
}

const SettingField* FindSetting(const char* group, const char* key) {
    for (const SettingField& f : fields)
        if (std::strcmp(f.group, group) == 0 && std::strcmp(f.key, key) == 0) return &f;
    return nullptr;
}
