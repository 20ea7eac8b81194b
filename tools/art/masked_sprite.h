#pragma once
// Turns a figure painted on a transparent canvas into the two pictures the game draws with
// SRCERASE then SRCINVERT:
//   stage = sheet XOR (mask AND NOT stage)
// Where the mask is white the stage is inverted and inverted back by a white sheet, so it stays
// as it was; where the mask is black the stage is wiped to black and the sheet's own colour is
// XORed onto zero, so the figure shows in its true colours. The sheet is therefore the figure
// in true colours on pure white, and the mask a black silhouette on pure white.
//
// JPEG stores colour at half resolution, so a coloured edge next to white would smear colour
// into the white around it, and that smear comes out as noise on the stage. The silhouette is
// therefore grown by a ring of neutral dark grey: it outlines the figure, and on both sides of
// the figure's outer edge the colour is grey, which the halving cannot disturb.

#include <QImage>

namespace velko::art {

constexpr int kRing = 2;
inline const QColor kRingColour{22, 22, 22};

struct MaskedSprite {
  QImage sheet;  // RGB32, white background
  QImage mask;   // RGB32, black silhouette on white
};

// `figure` is premultiplied ARGB; every pixel with any coverage belongs to the figure.
MaskedSprite maskFigure(const QImage& figure);
// Places a sprite into a sheet and its mask at the same position.
void placeSprite(const MaskedSprite& sprite, QImage& sheet, QImage& mask, QPoint at);

}  // namespace velko::art
