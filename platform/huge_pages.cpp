#include "platform/huge_pages.h"

#include <unistd.h>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
constexpr const char* kTunable = "glibc.malloc.hugetlb=1";
constexpr const char* kMarker = "RASTOC_TUNED";
}  // namespace

void UseHugePagesForImageBuffers(char** argv) {
    // The marker stops a second re-execution whatever glibc made of the setting.
    if (std::getenv(kMarker)) {
        unsetenv(kMarker);
        return;
    }
    const char* current = std::getenv("GLIBC_TUNABLES");
    if (current && std::strstr(current, "glibc.malloc.hugetlb")) return;
    std::string tunables = current && *current ? std::string(current) + ":" + kTunable : kTunable;
    if (setenv("GLIBC_TUNABLES", tunables.c_str(), 1) != 0) return;
    if (setenv(kMarker, "1", 1) != 0) return;
    execv("/proc/self/exe", argv);
    // Still here: run as we are.
    unsetenv(kMarker);
}
