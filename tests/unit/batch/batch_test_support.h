#pragma once
#include <QString>
#include <QStringList>

// Fresh registries, command-line defaults, string table and job, as a
// console run starts with them.
void ResetBatchState();

// Collects what the run and the worker print while it lives.
class CapturedOutput {
public:
    CapturedOutput();
    ~CapturedOutput();
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;
    QStringList Lines() const;
    QStringList ErrorLines() const;
    void Clear();
};

// Writes the bytes to the file; false when it cannot.
bool WriteTestFile(const QString& path, const QByteArray& bytes);
