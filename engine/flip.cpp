#include "engine/flip.h"

void FlipImage(FIBITMAP* /*image*/) {}
