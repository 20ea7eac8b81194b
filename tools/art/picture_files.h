#pragma once
// Every picture of img/, by the name the game opens it with, and in img/en/ the English
// lettered twins of those with words painted on them.

#include <QString>

namespace velko::art {

// Paints and writes all pictures into `folder`; throws when a file cannot be written.
void writePictures(const QString& folder);

}  // namespace velko::art
