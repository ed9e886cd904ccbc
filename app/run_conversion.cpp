#include "app/end_program.h"
#include "batch/command_line_job.h"

int RunConversion(bool quiet) {
    return RunCommandLineJob(quiet);
}
