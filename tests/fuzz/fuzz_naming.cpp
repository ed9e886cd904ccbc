// The filename mask and the watermark text: the input up to its first NUL is
// the mask and the text, the rest the input file's path.
#include "batch/output_naming.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    PrepareConsoleRun();
    const QStringList pieces = Pieces(data, size);
    ConversionSettings.advanced.filenameMask = pieces.at(0);
    ConversionSettings.watermark.text = pieces.at(0);
    ConversionJob.currentInputPath = pieces.size() > 1 ? pieces.at(1) : QStringLiteral("/pictures/Holiday.PNG");
    ConversionJob.outputFolder = QStringLiteral("/out/");
    ConversionJob.conversionType = QStringLiteral("psd");
    ConversionJob.imageWidth = 640;
    ConversionJob.imageHeight = 480;

    // A mask without placeholders is only lowered.
    const QString name = ExpandFilenameMask();
    const QString& mask = pieces.at(0);
    if (!mask.isEmpty() && !mask.contains(u'%')) FUZZ_CHECK(name == mask.toLower());
    ExpandWatermarkText();
    FUZZ_CHECK(BuildOutputPath().startsWith(ConversionJob.outputFolder));
    const QString temp = BuildTempPath();
    FUZZ_CHECK(temp.startsWith(QStringLiteral("/out/rastoc")) && temp.endsWith(QStringLiteral(".psd")));
    ExtensionPart(ConversionJob.currentInputPath);
    StripExtension(ConversionJob.currentInputPath);
    PathPart(ConversionJob.currentInputPath);
    return 0;
}
