#pragma once
// Shared by the pipeline and stages targets: one conversion of the input file
// into an empty folder, and what must hold afterwards.
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include "batch/job.h"
#include "engine/pipeline.h"
#include "engine/png_header.h"
#include "fuzz_support.h"

// Either one complete PSD of the converted size, or nothing and a reason.
// Removes what the conversion left and the input.
inline void ConvertAndCheck(const QString& input, const QString& output) {
    ConversionJob.currentInputPath = input;
    ConversionJob.outputFolder = output;
    ConversionJob.conversionType = QStringLiteral("psd");
    ConversionJob.commandLineMode = 1;
    ConvertError error = ConvertError::None;
    const bool converted = ConvertCurrentFile(&error);

    QDir out(output);
    const QStringList left = out.entryList(QDir::Files | QDir::Hidden);
    if (converted) {
        FUZZ_CHECK(left == QStringList{QStringLiteral("input.psd")});
        QFile psd(output + QStringLiteral("input.psd"));
        FUZZ_CHECK(psd.open(QIODevice::ReadOnly) && psd.read(4) == QByteArray("8BPS"));
        FUZZ_CHECK(psd.size() == PsdFileBytes(ConversionJob.imageWidth, ConversionJob.imageHeight));
    } else {
        FUZZ_CHECK(left.isEmpty());
        FUZZ_CHECK(error != ConvertError::None);
    }
    for (const QString& name : left) out.remove(name);
    QFile::remove(input);
}
