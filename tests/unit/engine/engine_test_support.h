#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "engine/pipeline.h"

// A fresh job and default command-line settings for one conversion of
// in/in.png into out/, as a command-line run sets them up.
class EngineRun {
public:
    EngineRun();
    QString InputPath() const { return dir_.path() + "/in/in.png"; }
    QString OutputFolder() const { return dir_.path() + "/out/"; }
    QString OutputPath() const { return OutputFolder() + "in.psd"; }
    // Points the job at another output folder (ending in "/").
    void UseOutputFolder(const QString& folder);
    bool Convert(ConvertError* error);
    // Names in the output folder, sorted.
    QStringList OutputNames() const;

private:
    QTemporaryDir dir_;
};

QByteArray ReadWholeFile(const QString& path);
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

// Pillow as an independent reader: mode, size and the RGBA bytes. False when
// Pillow could not read the file; PillowMissing tells whether it exists.
bool PillowMissing();
bool ReadWithPillow(const QString& path, QString* mode, int* width, int* height, QByteArray* rgba);
