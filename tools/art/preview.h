#pragma once
// Contact sheets for looking at the pictures: every pose of every sheet drawn onto the stage
// with the game's two raster operations, the workshop pictures, the chip strip enlarged.

#include <QString>

namespace velko::art {

void writePreviews(const QString& imgFolder, const QString& previewFolder);

}  // namespace velko::art
