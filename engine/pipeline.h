#pragma once

// Why a file failed; one table turns it into text for standard error.
enum class ConvertError {
    None,
    CannotRead,   // missing, not a PNG, or FreeImage could not decode it
    TooLarge,     // wider or taller than 30000 pixels, or the PSD would pass 2 GB
    StageFailed,  // an image stage yielded no image
    OutOfMemory,
    WriterFailed,   // DevIL could not take the image
    CannotWrite,    // the temporary file could not be written completely
    CannotReplace,  // the finished file could not be moved to its final name
};
const char* ConvertErrorText(ConvertError error);

// Converts the job's current input file into the PSD at the names the output
// naming gives; true when the final file is complete. On false nothing new
// is left on disk and an existing output is unchanged.
bool ConvertCurrentFile(ConvertError* error = nullptr);
