#pragma once
#include <QString>

#include "engine/pipeline.h"

// Writes DevIL's bound image as a PSD to a new file at the path. None only
// when every byte reached the file and it was synced and closed; on any
// failure a file this call created is deleted again. On None the path stays
// registered for removal on an interrupt until the caller has moved it and
// called UnregisterTemporaryFile.
ConvertError SaveBoundImageAsPsd(const QString& path);
