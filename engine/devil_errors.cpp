#include "engine/devil_errors.h"

#include <IL/il.h>

bool ClearDevilErrors() {
    bool clean = true;
    // The stack is short; the bound only guards against a library that never
    // reports empty.
    for (int i = 0; i < 64 && ilGetError() != IL_NO_ERROR; ++i) clean = false;
    return clean;
}
