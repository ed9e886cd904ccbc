#pragma once
#include <QString>

#include "engine/pipeline.h"

// Writes DevIL's bound image as a PSD to a new file at the path. None only
// when every byte reached the file and it was synced and closed; on any
// failure a file this call created is deleted again.
ConvertError SaveBoundImageAsPsd(const QString& path);
