#pragma once
// Shared by the fuzz targets: the process-wide state a console run prepares,
// and the input turned into text as the program receives it.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "batch/job.h"
#include "platform/native_text.h"
#include "settings/formats.h"
#include "settings/settings.h"
#include "strings/string_table.h"

// What ParseCommandLine does before it reads the parameters.
inline void PrepareConsoleRun() {
    BuildInputRegistry();
    BuildOutputRegistry();
    ResetJob();
    ConversionJob.runMode.clear();
    LoadDefaultSettings(true);
    static const bool tableLoaded = (LoadStringTable(QString()), true);
    (void)tableLoaded;
}

inline QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input as the program would decode an argument or a file name.
inline QString Text(const uint8_t* data, size_t size) {
    return DecodeNativeText(Bytes(data, size));
}

// The input split at its NUL bytes, each piece decoded as an argument is.
inline QStringList Pieces(const uint8_t* data, size_t size) {
    QStringList pieces;
    for (const QByteArray& piece : Bytes(data, size).split('\0')) pieces << DecodeNativeText(piece);
    return pieces;
}

// Stops the target with a message the fuzzer reports as a crash.
#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)
