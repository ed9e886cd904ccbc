#pragma once

// DevIL keeps a stack of errors for the whole process; empties it so the
// next check sees only its own call. True when the stack was empty.
bool ClearDevilErrors();
