#pragma once
#include <QMap>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <mutex>

struct FileEntry {
    int32_t added = 0;
    QString subfolder;
};

// Run-time state of the one conversion job. The progress block (lock,
// progress index and path, file count, running flag) is shared with the
// worker; everything else belongs to whoever runs the job.
struct ConversionJobRecord {
    std::mutex* jobLock = nullptr;
    int32_t progressIndex = 0;
    QString progressPath;
    int32_t fileCount = 0;
    std::atomic<uint8_t> running{0};
    QString programFolder;
    QString currentInputPath;
    QString inputArgument;
    QString currentSubfolder;
    QString finalOutputPath;
    QString tempOutputPath;
    QString outputFolder;
    int32_t randomNumber = 0;
    int32_t sequenceNumber = 0;
    QString inputFormat;
    int32_t sourceBitDepth = 0;
    QString conversionType;
    int32_t outputBitDepth = 0;
    uint8_t automaticDepth = 0;
    uint8_t commandLineMode = 0;
    QString runMode;
    int32_t imageWidth = 0;
    int32_t imageHeight = 0;
    QMap<QString, FileEntry> fileMap;
    // Lives in the job state; rebuilt at every reset.
    QStringList inputExtensions;
    // Window front-end values reset with the job.
    int32_t preferencesStartPage = 0;
    int32_t interfaceRefresh = 0;
};

extern ConversionJobRecord ConversionJob;

// Puts the job back to its empty state; the run mode and the progress
// block are left as they are.
void ResetJob();
// A fresh "%rnd%" value, 1..99999.
int32_t DrawRandomNumber();
