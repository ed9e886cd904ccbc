// The whole conversion of one PNG file: the input is written to a file and
// converted into an empty folder, which must hold either nothing or one
// complete PSD afterwards.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "engine/libraries.h"
#include "engine/pipeline.h"
#include "engine/png_header.h"
#include "fuzz_conversion.h"
#include "fuzz_png.h"
#include "fuzz_support.h"

namespace {
// Small enough that every image decodes quickly and well inside the
// fuzzer's memory limit.
constexpr size_t kMaxInputBytes = 1 << 16;
constexpr int64_t kMaxPixels = 1 << 20;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > kMaxInputBytes) return 0;
    QByteArray bytes = Bytes(data, size);
    if (bytes.startsWith("\x89PNG\r\n\x1a\n")) FixChunkCrcs(&bytes);
    int64_t width = 0;
    int64_t height = 0;
    if (ReadPngSize(bytes.left(kPngHeadBytes), &width, &height) && width * height > kMaxPixels) return 0;

    static const bool ready = InitialiseImageLibraries();
    FUZZ_CHECK(ready);
    static QTemporaryDir folder;
    const QString input = folder.path() + QStringLiteral("/input.png");
    const QString output = folder.path() + QStringLiteral("/out/");
    QDir().mkpath(output);
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return 0;
    }

    PrepareConsoleRun();
    // As the run's checks leave it for "PSD BPP" 0, so the PSD is really written.
    ConversionJob.automaticDepth = 1;
    ConvertAndCheck(input, output);
    return 0;
}
