#pragma once
// The application icon: the warrior Doll's helmeted head over its shoulders, on a dark
// rounded tile. Drawn in bold shapes (red helmet, gold crest, green visor) that still read
// at 48 pixels in a menu.

#include <QImage>

namespace velko::art {

// The icon at size x size pixels, on a transparent background.
QImage appIcon(int size);

// The sizes the desktop's icon theme gets.
inline constexpr int kAppIconSizes[] = {48, 64, 128, 256};

}  // namespace velko::art
