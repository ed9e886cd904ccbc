#pragma once

// Starts DevIL and ILU (and FreeImage when it is linked statically); once at
// start-up, before any conversion. True when they are ready.
bool InitialiseImageLibraries();
