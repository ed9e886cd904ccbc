#include <gtest/gtest.h>

#include "batch/job.h"
#include "platform/program_folder.h"
#include "settings/formats.h"

TEST(ResetJob, EmptiesTheJobButKeepsRunModeAndProgress) {
    BuildInputRegistry();
    ConversionJobRecord& j = ConversionJob;
    j.commandLineMode = 1;
    j.sequenceNumber = 7;
    j.inputFormat = j.currentInputPath = j.inputArgument = j.currentSubfolder = QStringLiteral("x");
    j.finalOutputPath = j.tempOutputPath = j.outputFolder = j.conversionType = QStringLiteral("x");
    j.sourceBitDepth = j.outputBitDepth = 32;
    j.automaticDepth = 1;
    j.preferencesStartPage = j.interfaceRefresh = 3;
    j.fileMap.insert(QStringLiteral("/a.png"), FileEntry{1, QString()});
    j.runMode = QStringLiteral("DEBUG");
    j.progressIndex = 4;
    j.progressPath = QStringLiteral("/p.png");
    j.fileCount = 2;

    ResetJob();

    EXPECT_EQ(j.programFolder, ProgramFolder());
    EXPECT_TRUE(j.programFolder.endsWith(u'/'));
    EXPECT_EQ(j.commandLineMode, 0);
    EXPECT_EQ(j.sequenceNumber, 1);
    EXPECT_GE(j.randomNumber, 1);
    EXPECT_LE(j.randomNumber, 99999);
    for (const QString* text : {&j.inputFormat, &j.currentInputPath, &j.inputArgument, &j.currentSubfolder,
                                &j.finalOutputPath, &j.tempOutputPath, &j.outputFolder, &j.conversionType})
        EXPECT_TRUE(text->isEmpty());
    EXPECT_EQ(j.sourceBitDepth, 0);
    EXPECT_EQ(j.outputBitDepth, 0);
    EXPECT_EQ(j.automaticDepth, 0);
    EXPECT_EQ(j.preferencesStartPage, 0);
    EXPECT_EQ(j.interfaceRefresh, 0);
    EXPECT_TRUE(j.fileMap.isEmpty());
    EXPECT_EQ(j.inputExtensions, QStringList{QStringLiteral("png")});
    // Left as they were.
    EXPECT_EQ(j.runMode, QStringLiteral("DEBUG"));
    EXPECT_EQ(j.progressIndex, 4);
    EXPECT_EQ(j.progressPath, QStringLiteral("/p.png"));
    EXPECT_EQ(j.fileCount, 2);
    j.runMode.clear();
}

TEST(ResetJob, DrawsTheRandomNumberAnew) {
    // Independent draws from 1..99999: twenty equal in a row would be a broken generator.
    ResetJob();
    const int32_t first = ConversionJob.randomNumber;
    bool differed = false;
    for (int i = 0; i < 20 && !differed; ++i) {
        ResetJob();
        differed = ConversionJob.randomNumber != first;
    }
    EXPECT_TRUE(differed);
}
