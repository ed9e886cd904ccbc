#include "engine/libraries.h"

#include <FreeImage.h>
#include <IL/il.h>
#include <IL/ilu.h>

#include "engine/devil_errors.h"

bool InitialiseImageLibraries() {
    static bool ready = false;
    if (ready) return true;
    // The shared FreeImage starts itself; the call only counts a reference then.
    FreeImage_Initialise(FALSE);
    ClearDevilErrors();
    ilInit();
    iluInit();
    ready = ClearDevilErrors();
    return ready;
}
