#include "batch/input_files.h"

#include "batch/job.h"
#include "batch/output_naming.h"
#include "platform/file_size.h"

bool IsInputExtension(const QString& extension) {
    return ConversionJob.inputExtensions.contains(extension, Qt::CaseSensitive);
}

QString RelativeSubfolder(const QString& path, const QString& base) {
    if (path.isEmpty() || base.isEmpty()) return QString();
    QString folder = PathPart(path);
    if (!folder.contains(base, Qt::CaseSensitive)) return QString();
    return folder.remove(base, Qt::CaseSensitive);
}

bool AddInputFile(const QString& path) {
    // Only an existing empty file stops here; a missing name passes and
    // fails later in the pipeline.
    if (FileSize(path) == 0) return false;
    if (!IsInputExtension(ExtensionPart(path).toLower())) return false;
    // A job converts exactly one file: the new one replaces whatever was there.
    ConversionJob.fileMap.clear();
    FileEntry& entry = ConversionJob.fileMap[path];
    if (entry.added == 0) {
        entry.subfolder = RelativeSubfolder(path, ConversionJob.inputArgument);
        entry.added = 1;
    }
    // The window's input field and output-folder proposal are filled by the
    // window front end, which is not part of this build.
    return true;
}
