#include "settings/formats.h"

#include <iterator>

QHash<QString, InputFormatEntry> InputRegistry;
QHash<QString, OutputFormatEntry> OutputRegistry;

const QStringList& InputFormatList() {
    static const QStringList list{QStringLiteral("png")};
    return list;
}

const QStringList& OutputFormatList() {
    static const QStringList list{QStringLiteral("psd")};
    return list;
}

namespace {
struct InputRow {
    const char* extension;
    const char* format;
    const char* description;
};
const InputRow inputRows[] = {
    {"bmp", "bmp", "Windows or OS/2 Bitmap"},
    {"rle", "bmp", ""},
    {"dib", "bmp", ""},
    {"dds", "dds", "DirectDraw Surface File"},
    {"emf", "emf", "Enhanced Metafile Format"},
    {"emz", "emf", ""},
    {"gif", "gif", "GIF File"},
    {"hdr", "hdr", "High Dynamic Range File"},
    {"hdri", "hdr", ""},
    {"ico", "ico", "Windows Icon"},
    {"jpg", "jpg", "JPEG File"},
    {"jpeg", "jpg", ""},
    {"jpe", "jpg", ""},
    {"jif", "jpg", ""},
    {"pcd", "pcd", "Kodak PhotoCD File"},
    {"pcd1", "pcd", ""},
    {"pcds", "pcd", ""},
    {"ppcd", "pcd", ""},
    {"pcx", "pcx", "ZSoft Paintbrush File"},
    {"pic", "pic", "Macintosh PICT"},
    {"pict", "pic", ""},
    {"pct", "pic", ""},
    {"png", "png", "Portable Network Graphics"},
    {"psd", "psd", "Adobe Photoshop File"},
    {"tga", "tga", "Truevision Targa"},
    {"targa", "tga", ""},
    {"tiff", "tiff", "Tagged Image File Format"},
    {"tif", "tiff", ""},
    {"wmf", "wmf", "Windows Metafile Format"},
    {"wmz", "wmf", ""},
    {"apm", "wmf", "Aldus Placeable Metafile"},
    {"raw", "raw", "Camera RAW Image"},
    {"raw1", "raw", ""},
    {"raw2", "raw", ""},
    {"3fr", "raw", "Hasselblad Camera RAW Image"},
    {"arw", "raw", "Sony Camera RAW Image"},
    {"sr2", "raw", ""},
    {"srf", "raw", ""},
    {"bay", "raw", "Casio Camera RAW Image"},
    {"bmq", "raw", "NuCore RAW Image"},
    {"cap", "raw", "Phase One Camera RAW Image"},
    {"iiq", "raw", ""},
    {"eip", "raw", ""},
    {"cine", "raw", "Phantom RAW Image"},
    {"cr2", "raw", "Canon Camera RAW Image"},
    {"crw", "raw", ""},
    {"cs1", "raw", "Capture Shop RAW Image"},
    {"dc2", "raw", "Kodak Camera RAW Image"},
    {"dcr", "raw", ""},
    {"drf", "raw", ""},
    {"dsc", "raw", ""},
    {"k25", "raw", ""},
    {"kc2", "raw", ""},
    {"kdc", "raw", ""},
    {"dcs", "raw", ""},
    {"dng", "raw", "Adobe Digital Negative Image"},
    {"erf", "raw", "Epson Camera RAW Image"},
    {"fff", "raw", "Imacon Camera RAW Image"},
    {"ia", "raw", "Sinar RAW Image"},
    {"sti", "raw", ""},
    {"mdc", "raw", "Minolta Camera RAW Image"},
    {"mrw", "raw", ""},
    {"mef", "raw", "Mamiya Camera RAW Image"},
    {"mos", "raw", ""},
    {"nef", "raw", "Nikon Camera RAW Image"},
    {"nrw", "raw", ""},
    {"orf", "raw", "Olympus Camera RAW Image"},
    {"pef", "raw", "Pentax Camera RAW Image"},
    {"ptx", "raw", ""},
    {"pxn", "raw", "Logitech Camera RAW Image"},
    {"qtk", "raw", "Apple Quicktake Camera RAW Image"},
    {"raf", "raw", "Fuji Camera RAW Image"},
    {"rdc", "raw", "Digital Foto Maker RAW Image"},
    {"rw2", "raw", "Panasonic Camera RAW Image"},
    {"rwz", "raw", "Rawzor Camera RAW Image"},
    {"x3f", "raw", "Sigma Camera RAW Image"},
    {"ari", "raw", "ARRI RAW Image"},
    {"r3d", "raw", "RED RAW Image"},
    {"rwl", "raw", "Leica Camera RAW Image"},
};

struct OutputRow {
    const char* format;
    const char* description;
    const char* bitDepths;
};
const OutputRow outputRows[] = {
    {"bmp", "Windows or OS/2 Bitmap", "1,4,8,16,24,32"},
    {"exr", "ILM OpenEXR", "96"},
    {"gif", "Graphics Interchange Format", "8"},
    {"hdr", "High Dynamic Range Image", "96"},
    {"ico", "Windows Icon", "1,4,8,16,24,32"},
    {"j2k", "JPEG-2000 Codestream", "8,24,32,48"},
    {"jng", "JPEG Network Graphics", "24,32"},
    {"jp2", "JPEG-2000 File Format", "8,24,32,48"},
    {"jpg", "JPEG File Format", "8,24"},
    {"jxr", "JPEG XR Image Format", "1,8,16,24,32,48,96"},
    {"pbm", "Portable Bitmap", "1"},
    {"pfm", "Portable Floatmap", "96"},
    {"pgm", "Portable Greymap", "8"},
    {"png", "Portable Network Graphics", "1,4,8,24,32,48"},
    {"ppm", "Portable Pixelmap", "24,48"},
    {"tga", "Truevision Targa", "8,16,24,32"},
    {"tiff", "Tagged Image File Format", "1,4,8,24,32,48,96"},
    {"wbmp", "Wireless Bitmap", "1"},
    {"webp", "Google WebP Image Format", "24,32"},
    {"xpm", "X11 Pixmap Format", "24"},
    {"psd", "Adobe Photoshop", "32"},
    {"dds", "DirectDraw Surface", "32"},
    {"pcx", "ZSoft Paintbrush", "24"},
};
}  // namespace

void BuildInputRegistry() {
    InputRegistry.clear();
    // Format names first, then descriptions, as the tables are laid out.
    for (const InputRow& row : inputRows)
        InputRegistry.insert(QString::fromLatin1(row.extension), {QString::fromLatin1(row.format), QString()});
    for (const InputRow& row : inputRows)
        InputRegistry[QString::fromLatin1(row.extension)].description = QString::fromUtf8(row.description);
}

void BuildOutputRegistry() {
    OutputRegistry.clear();
    for (const OutputRow& row : outputRows)
        OutputRegistry.insert(
            QString::fromLatin1(row.format),
            {QString::fromLatin1(row.format), QString::fromUtf8(row.description), QString::fromLatin1(row.bitDepths)});
}

QStringList BuildInputExtensionList() {
    QString text;
    for (const QString& format : InputFormatList())
        for (auto it = InputRegistry.cbegin(); it != InputRegistry.cend(); ++it)
            if (it.value().format == format) text += it.key() + u',';
    if (text.endsWith(u',')) text.chop(1);
    return text.split(u',');
}

QString OutputBitDepths(const QString& format) {
    return OutputRegistry.value(format).bitDepths;
}
QString OutputDescription(const QString& format) {
    return OutputRegistry.value(format).description;
}
QString InputFormatOf(const QString& extension) {
    return InputRegistry.value(extension).format;
}
QString InputDescriptionOf(const QString& extension) {
    return InputRegistry.value(extension).description;
}
