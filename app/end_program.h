#pragma once

// Exit statuses of the process.
enum ExitStatus {
    ExitSuccess = 0,  // success, help, version, a normal end of the window
    ExitRefused = 1,  // the command line was refused or a check printed "Error: "
    ExitNothingConverted = 2,
    ExitAlreadyRunning = 3,  // another copy of the same version holds the lock
    ExitNoWindow = 4,        // window mode is not part of this build
};

// The one orderly end of the program: releases what start-up took and ends
// the process with the status.
[[noreturn]] void EndProgram(int status);

// Runs the command-line conversion the parameters asked for; returns the exit status.
int RunConversion(bool quiet);
