#include "batch/job.h"

#include "platform/program_folder.h"
#include "platform/random.h"
#include "settings/formats.h"

ConversionJobRecord ConversionJob;

int32_t DrawRandomNumber() {
    return RandomInt(1, 99999);
}

void ResetJob() {
    ConversionJobRecord& j = ConversionJob;
    j.programFolder = ProgramFolder();
    j.commandLineMode = 0;
    j.randomNumber = DrawRandomNumber();
    j.sequenceNumber = 1;
    j.inputFormat.clear();
    j.currentInputPath.clear();
    j.inputArgument.clear();
    j.currentSubfolder.clear();
    j.finalOutputPath.clear();
    j.tempOutputPath.clear();
    j.outputFolder.clear();
    j.conversionType.clear();
    j.sourceBitDepth = 0;
    j.outputBitDepth = 0;
    j.automaticDepth = 0;
    j.preferencesStartPage = 0;
    j.interfaceRefresh = 0;
    j.fileMap.clear();
    j.inputExtensions = BuildInputExtensionList();
}
