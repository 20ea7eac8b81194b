#pragma once
// Every picture of img/, by the name the game opens it with.

#include <QString>

namespace velko::art {

// Paints and writes all pictures into `folder`; throws when a file cannot be written.
void writePictures(const QString& folder);

}  // namespace velko::art
