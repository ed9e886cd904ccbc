#include "engine/psd_output.h"

#include <IL/il.h>
#include <climits>

#include "engine/devil_errors.h"
#include "platform/buffered_file.h"
#include "platform/file_ops.h"
#include "platform/interrupt.h"
#include "platform/native_text.h"

// DevIL reports success on a full disk and may leave a truncated file, so it
// writes through these callbacks, which keep the outcome of every write.
namespace {
struct SaveState {
    BufferedFile* file = nullptr;
    bool created = false;
    bool closed = false;
    bool closedCleanly = false;
};
SaveState Save;

BufferedFile* FileOf(ILHANDLE handle) {
    return handle && handle == Save.file ? static_cast<BufferedFile*>(handle) : nullptr;
}

ILHANDLE ILAPIENTRY OpenForWrite(ILconst_string name) {
    if (Save.created) return nullptr;  // one file per save
    Save.file = CreateBufferedFile(DecodeNativeText(QByteArray(name)));
    Save.created = Save.file != nullptr;
    return Save.file;
}

void ILAPIENTRY CloseWritten(ILHANDLE handle) {
    BufferedFile* file = FileOf(handle);
    if (!file) return;
    Save.closedCleanly = CloseBufferedFile(file);
    Save.file = nullptr;
    Save.closed = true;
}

// Called once for nearly every byte of the file, so it does no more than append.
ILint ILAPIENTRY PutByte(ILubyte byte, ILHANDLE handle) {
    return PutBufferedByte(static_cast<BufferedFile*>(handle), byte) ? byte : IL_EOF;
}

ILint ILAPIENTRY SeekWritten(ILHANDLE handle, ILint offset, ILint origin) {
    const int from = origin == IL_SEEK_CUR ? 1 : origin == IL_SEEK_END ? 2 : 0;
    return SeekBufferedFile(FileOf(handle), offset, from) ? 0 : -1;
}

ILint ILAPIENTRY TellWritten(ILHANDLE handle) {
    const int64_t position = BufferedFilePosition(FileOf(handle));
    return position < 0 || position > INT_MAX ? -1 : static_cast<ILint>(position);
}

ILint ILAPIENTRY WriteBlock(const void* data, ILuint size, ILuint count, ILHANDLE handle) {
    const size_t bytes = static_cast<size_t>(size) * count;
    return WriteBufferedFile(FileOf(handle), data, bytes) ? static_cast<ILint>(count) : 0;
}
}  // namespace

ConvertError SaveBoundImageAsPsd(const QString& path) {
    Save = SaveState{};
    ClearDevilErrors();
    ilSetWrite(OpenForWrite, CloseWritten, PutByte, SeekWritten, TellWritten, WriteBlock);
    // An interrupt from here until the caller has renamed the file removes it.
    RegisterTemporaryFile(path);
    const bool saved = ilSave(IL_PSD, EncodeNativeText(path).constData()) == IL_TRUE;
    const bool quiet = ClearDevilErrors();
    ilResetWrite();
    if (Save.file) {
        // DevIL gave up without closing; the file is incomplete either way.
        CloseBufferedFile(Save.file);
        Save.file = nullptr;
        Save.closedCleanly = false;
    }
    ConvertError result = ConvertError::None;
    if (!Save.created || !Save.closed || !Save.closedCleanly)
        result = ConvertError::CannotWrite;
    else if (!saved || !quiet)
        result = ConvertError::WriterFailed;
    if (result != ConvertError::None) {
        if (Save.created) DeleteFileForced(path);
        UnregisterTemporaryFile();
    }
    Save = SaveState{};
    return result;
}
