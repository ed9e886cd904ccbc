// Entry of rastoccmd: start-up, the single-instance guard, then the command
// line or the window.
#include <clocale>

#include "app/command_line.h"
#include "app/end_program.h"
#include "batch/job.h"
#include "engine/libraries.h"
#include "platform/console.h"
#include "platform/instance_lock.h"
#include "platform/native_text.h"
#include "platform/program_folder.h"
#include "settings/product.h"

int main(int argc, char** argv) {
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
