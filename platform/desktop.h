#pragma once

// Size of the primary desktop in pixels; 0 x 0 until a window toolkit that
// knows the display has registered it (so command-line runs see 0 x 0).
struct DesktopSize {
    int width = 0;
    int height = 0;
};
DesktopSize PrimaryDesktopSize();
void RegisterPrimaryDesktopSize(DesktopSize size);
