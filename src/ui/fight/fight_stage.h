#pragma once
// The stage picture of the battle screen (dspDollImg): the background (Picture2), both Dolls'
// sprite sheets and masks (dspDummyImg, dspMaskImg) and the hit effect, drawn the game's way
// onto an RGB32 picture that the widget shows.

#include <QImage>
#include <QWidget>
#include <array>

namespace velko::ui {

class FightStage : public QWidget {
  Q_OBJECT

 public:
  explicit FightStage(QWidget* parent = nullptr);

  // Missing files leave the picture empty: the stage then shows without it.
  void loadBackground(const QString& file);
  void loadDoll(int fighter, const QString& sheet, const QString& mask);
  void loadEffect(const QString& sheet, const QString& mask);

  // Copies the background whole onto the stage.
  void drawBackground();
  // One pose cell of fighter k's own row at the stage x of its place.
  void drawDoll(int fighter, int column, int x);
  void drawEffect(int x, int y);

  const QImage& image() const { return stage_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Mask with SRCERASE, then the sheet with SRCINVERT: the pictures are made for this pair.
  void drawSprite(const QImage& sheet, const QImage& mask, const QRect& cell, const QPoint& at);

  QImage stage_;
  QImage background_;
  std::array<QImage, 3> sheets_;  // fighter 0, fighter 1, the hit effect
  std::array<QImage, 3> masks_;
};

}  // namespace velko::ui
