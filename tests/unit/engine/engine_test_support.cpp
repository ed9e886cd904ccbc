#include "engine_test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include "batch/job.h"
#include "engine/libraries.h"
#include "settings/formats.h"
#include "settings/settings.h"

EngineRun::EngineRun() {
    InitialiseImageLibraries();
    BuildInputRegistry();
    BuildOutputRegistry();
    LoadDefaultSettings(true);
    ResetJob();
    QDir(dir_.path()).mkpath("in");
    QDir(dir_.path()).mkpath("out");
    ConversionJob.commandLineMode = 1;
    ConversionJob.currentInputPath = InputPath();
    ConversionJob.outputFolder = OutputFolder();
    ConversionJob.conversionType = "psd";
    ConversionJob.inputFormat = "png";
    // "PSD BPP" 0 makes the run choose the depth from the source.
    ConversionJob.outputBitDepth = 0;
    ConversionJob.automaticDepth = 1;
}

void EngineRun::UseOutputFolder(const QString& folder) {
    ConversionJob.outputFolder = folder;
}

bool EngineRun::Convert(ConvertError* error) {
    return ConvertCurrentFile(error);
}

QStringList EngineRun::OutputNames() const {
    return QDir(ConversionJob.outputFolder)
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

namespace {
const char kPython[] = "/usr/bin/python3";
const char kPillowScript[] =
    "import sys\n"
    "from PIL import Image\n"
    "im = Image.open(sys.argv[1])\n"
    "sys.stdout.write('%s %d %d\\n' % (im.mode, im.size[0], im.size[1]))\n"
    "sys.stdout.flush()\n"
    "sys.stdout.buffer.write(im.convert('RGBA').tobytes())\n";
}  // namespace

bool PillowMissing() {
    static const int missing = QProcess::execute(kPython, {"-c", "import PIL.PsdImagePlugin"}) != 0 ? 1 : 0;
    return missing == 1;
}

bool ReadWithPillow(const QString& path, QString* mode, int* width, int* height, QByteArray* rgba) {
    QProcess python;
    python.start(kPython, {"-c", kPillowScript, path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) return false;
    const QByteArray out = python.readAllStandardOutput();
    const int newline = out.indexOf('\n');
    if (newline < 0) return false;
    const QList<QByteArray> fields = out.left(newline).split(' ');
    if (fields.size() != 3) return false;
    *mode = QString::fromLatin1(fields[0]);
    *width = fields[1].toInt();
    *height = fields[2].toInt();
    *rgba = out.mid(newline + 1);
    return true;
}
