// Entry of rastoccmd: start-up, the single-instance guard, then the command
// line or the window.
#include <clocale>

#include "app/command_line.h"
#include "app/end_program.h"
#include "batch/job.h"
#include "engine/libraries.h"
#include "engine/png_header.h"
#include "platform/console.h"
#include "platform/file_head.h"
#include "platform/huge_pages.h"
#include "platform/instance_lock.h"
#include "platform/native_text.h"
#include "platform/program_folder.h"
#include "settings/product.h"

namespace {
// Huge pages save a large image many page faults, but turning them on costs a
// re-execution of a few milliseconds, more than a small image gains. So look
// at every parameter (and the text after "=") that names a PNG file.
bool NamesLargeImage(int argc, char** argv) {
    constexpr int64_t kLargePixels = 4000000;
    for (int i = 1; i < argc; ++i) {
        QString text = DecodeNativeText(QByteArray(argv[i])).trimmed();
        const qsizetype eq = text.indexOf(u'=');
        if (text.startsWith(QLatin1String("--")) && eq >= 0) text = text.mid(eq + 1);
        while (text.startsWith(u'"')) text.remove(0, 1);
        while (text.endsWith(u'"')) text.chop(1);
        int64_t width = 0;
        int64_t height = 0;
        if (!text.isEmpty() && ReadPngSize(ReadFileHead(text, kPngHeadBytes), &width, &height) &&
            width * height >= kLargePixels)
            return true;
    }
    return false;
}
}  // namespace

int main(int argc, char** argv) {
    if (NamesLargeImage(argc, argv)) UseHugePagesForImageBuffers(argv);
    // Number reading and writing must not follow the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    for (int i = 1; i < argc; ++i) CommandLineParameters << DecodeNativeText(QByteArray(argv[i]));
    ConversionJob.programFolder = ProgramFolder();
    InitialiseImageLibraries();

    const QString guard = TitleWithVersion(QString::fromLatin1(ProductTitle), ProgramVersion);
    if (!AcquireInstanceLock(guard)) {
        if (!CommandLineParameters.isEmpty())
            PrintErrorLine(QStringLiteral("Another copy of ") + guard + QStringLiteral(" is running."));
        EndProgram(ExitAlreadyRunning);
    }

    ParseCommandLine();

    PrintErrorLine(QStringLiteral("The window is not part of this build yet; use -i FILE to convert."));
    EndProgram(ExitNoWindow);
}
