#pragma once

// Ends the process at once with the status, after flushing the standard streams.
[[noreturn]] void EndProcess(int status);
