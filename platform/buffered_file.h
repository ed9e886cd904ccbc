#pragma once
#include <QString>
#include <cstddef>
#include <cstdint>

// A file written through a large buffer that remembers its first failure, so
// a caller that ignores single write results (as image writers do) still
// learns at the end whether every byte arrived.
struct BufferedFile {
    int descriptor = -1;
    unsigned char* buffer = nullptr;
    size_t capacity = 0;
    size_t used = 0;
    bool failed = false;
};

// Creates a new file; fails when anything already exists at the path.
BufferedFile* CreateBufferedFile(const QString& path);
// False once any write has failed; later writes are dropped.
bool WriteBufferedFile(BufferedFile* file, const void* data, size_t count);
// One byte, inline: image writers put most of their output a byte at a time.
inline bool PutBufferedByte(BufferedFile* file, unsigned char byte) {
    if (file && !file->failed && file->used < file->capacity) {
        file->buffer[file->used++] = byte;
        return true;
    }
    return WriteBufferedFile(file, &byte, 1);
}
// Position as the writer sees it, buffered bytes included; -1 after a failure.
int64_t BufferedFilePosition(BufferedFile* file);
// origin: 0 from the start, 1 from the current position, 2 from the end.
bool SeekBufferedFile(BufferedFile* file, int64_t offset, int origin);
// Flushes, syncs to the disk and closes; true only when nothing ever failed.
// The record is released either way.
bool CloseBufferedFile(BufferedFile* file);
