#pragma once
#include <QString>

// Fresh registries, command-line defaults, string table and job, as a
// console run starts with them.
void ResetBatchState();
