#include "platform/desktop.h"

namespace {
DesktopSize registered;
}

DesktopSize PrimaryDesktopSize() {
    return registered;
}
void RegisterPrimaryDesktopSize(DesktopSize size) {
    registered = size;
}
