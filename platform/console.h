#pragma once
#include <QString>

// The console is standard output; opening it always succeeds.
bool OpenConsole();
void CloseConsole();
// Sets the terminal title, only when standard output is a terminal.
void SetConsoleTitle(const QString& title);
// Prints one line (UTF-8) to standard output.
void PrintLine(const QString& line);
// Prints one line to standard error, for reasons beside the fixed output.
void PrintErrorLine(const QString& line);
// Waits for one key; returns at once at end of input.
void WaitForKey();
