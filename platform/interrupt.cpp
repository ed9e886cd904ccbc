#include "platform/interrupt.h"

#include <unistd.h>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <mutex>

#include "platform/native_text.h"

namespace {

// The handler reads only this buffer and the flag; the flag is cleared
// before the buffer changes, so the handler never sees half a path.
char registeredPath[PATH_MAX + 1];
std::atomic<bool> armed{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the handler needs a lock-free flag");

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previousActions[3];

// Only async-signal-safe calls: unlink, sigaction, raise. The signal is
// blocked while this runs, so the raised one arrives once the handler
// returns, under the disposition that was there before (normally: end).
void RemoveAndResignal(int signal) {
    if (armed.exchange(false)) unlink(registeredPath);
    for (int k = 0; k < 3; ++k)
        if (kSignals[k] == signal) sigaction(signal, &previousActions[k], nullptr);
    raise(signal);
}

void InstallHandlers() {
    for (int k = 0; k < 3; ++k) {
        struct sigaction& previous = previousActions[k];
        if (sigaction(kSignals[k], nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = RemoveAndResignal;
        sigemptyset(&action.sa_mask);
        for (const int other : kSignals) sigaddset(&action.sa_mask, other);
        sigaction(kSignals[k], &action, nullptr);
    }
}

}  // namespace

void RegisterTemporaryFile(const QString& path) {
    static std::once_flag installed;
    std::call_once(installed, InstallHandlers);
    armed.store(false);
    const QByteArray native = EncodeNativeText(path);
    if (native.isEmpty() || native.size() > PATH_MAX) return;
    std::memcpy(registeredPath, native.constData(), static_cast<size_t>(native.size()));
    registeredPath[native.size()] = '\0';
    armed.store(true);
}

void UnregisterTemporaryFile() {
    armed.store(false);
}
