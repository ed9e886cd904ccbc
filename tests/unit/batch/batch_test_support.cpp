#include "batch_test_support.h"

#include "batch/job.h"
#include "settings/formats.h"
#include "settings/settings.h"
#include "strings/string_table.h"

void ResetBatchState() {
    BuildInputRegistry();
    BuildOutputRegistry();
    ResetJob();
    LoadDefaultSettings(true);
    LoadStringTable(QString());
    ConversionJob.runMode.clear();
    ConversionJob.commandLineMode = 1;
    ConversionJob.fileCount = 0;
    ConversionJob.progressIndex = 0;
    ConversionJob.progressPath.clear();
}
