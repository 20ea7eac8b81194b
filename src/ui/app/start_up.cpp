#include "ui/app/start_up.h"
#include "ui/app/language.h"

#include <QCloseEvent>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "career/game.h"
#include "ui/app/help_window.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/ui_style.h"

namespace velko::ui {

namespace {

constexpr QSize kTitleSize(800, 500);

// The title's backdrop under its lettering: the top of the arena picture (a plain dark field
// without it), darkening downwards, and the band the title stands on.
void paintBackdrop(QPainter& p, const QImage& stage, const QRect& all) {
  if (!stage.isNull()) {
    p.drawImage(all, stage, QRect(0, 0, 800, 400));
  } else {
    p.fillRect(all, QColor(20, 24, 34));
  }
  QLinearGradient shade(0, 0, 0, all.height());
  shade.setColorAt(0, QColor(0, 0, 0, 90));
  shade.setColorAt(1, QColor(0, 0, 0, 200));
  p.fillRect(all, shade);
  // A dark band keeps the title readable over the arena's banners.
  p.fillRect(QRect(0, 55, all.width(), 180), QColor(8, 10, 16, 190));
  p.fillRect(QRect(0, 55, all.width(), 2), QColor(236, 72, 60, 200));
  p.fillRect(QRect(0, 233, all.width(), 2), QColor(236, 72, 60, 200));
}

// The title's lettering: the name with its shadow, and the line under it. The base font is the
// window's, so that it can be painted where the window is not.
void paintLettering(QPainter& p, const QFont& base, int width, const QString& subtitle) {
  QFont title = base;
  title.setPointSize(64);
  title.setBold(true);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 12);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 160));
  p.drawText(QRect(4, 64, width, 120), Qt::AlignHCenter, "VELKO");
  p.setPen(QColor(236, 72, 60));
  p.drawText(QRect(0, 60, width, 120), Qt::AlignHCenter, "VELKO");
  QFont sub = base;
  sub.setPointSize(15);
  p.setFont(sub);
  p.setPen(QColor(230, 230, 236));
  p.drawText(QRect(0, 180, width, 40), Qt::AlignHCenter, subtitle);
}

// What the title's picture is made from; everything is copied, as it goes to another thread.
struct TitleLook {
  QString stageFile;
  qreal pixelRatio;
  QFont font;
  QString subtitle;
};

// The title painted at its designed size, lettering and all. It is made off the screen, so
// that it can be done on a thread of its own while the window is built (reading the arena and
// the large bold letters are the dearest part of the first paint); at the screen's pixel ratio,
// so that it is drawn there pixel for pixel. The arena picture is let go on the same thread.
QImage titlePicture(const TitleLook& look) {
  QImage picture(kTitleSize * look.pixelRatio, QImage::Format_RGB32);
  picture.setDevicePixelRatio(look.pixelRatio);
  QPainter p(&picture);
  paintBackdrop(p, QImage(look.stageFile), QRect(QPoint(0, 0), kTitleSize));
  paintLettering(p, look.font, kTitleSize.width(), look.subtitle);
  p.end();
  return picture;
}

// Where no thread can be started, the picture is painted at the first paint instead.
std::future<QImage> startTitlePicture(TitleLook look) {
  return std::async(std::launch::async | std::launch::deferred,
                    [look = std::move(look)] { return titlePicture(look); });
}

}  // namespace

StartUp::StartUp(Game& game, const GameFolder& folder, QWidget* parent)
    : QWidget(parent),
      game_(game),
      stageFile_(letteredPicture(QString::fromStdString(folder.path("\\img\\stage.jpg").string()))),
      subtitle_(qtTrId("ドール・バトル・シミュレーション")),
      picturePainting_(startTitlePicture({stageFile_, devicePixelRatioF(), font(), subtitle_})) {
  setWindowTitle("VELKO");
  setFixedSize(kTitleSize);
  game_.StartUp_Form_Load();

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(300, 260, 300, 40);
  column->setSpacing(10);
  const char* captions[2] = {"Initial Start", "Load Start"};
  for (int i = 0; i < 2; ++i) {
    command1_[i] = new QPushButton(captions[i], this);
    command1_[i]->setObjectName(QString("Command1_%1").arg(i));
    command1_[i]->setMinimumHeight(40);
    command1_[i]->setStyleSheet(titleButtonStyle());
    column->addWidget(command1_[i]);
    connect(command1_[i], &QPushButton::clicked, this, [this, i] { game_.Command1_Click(i); });
  }
  cmdQuit_ = new QPushButton("Quit", this);
  cmdQuit_->setObjectName("cmdQuit");
  cmdQuit_->setMinimumHeight(40);
  cmdQuit_->setStyleSheet(titleButtonStyle());
  column->addWidget(cmdQuit_);
  connect(cmdQuit_, &QPushButton::clicked, this, [this] { game_.cmdQuit_Click(); });
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [this] { HelpWindow::showFor(this); });
  fitToScreen(this);
}

void StartUp::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  game_.cmdQuit_Click();
}

void StartUp::takePicture() {
  if (!picturePainting_.valid()) return;
  QImage picture = picturePainting_.get();
  // A window not of its designed size paints itself at every paint.
  if (size() == kTitleSize) picture_ = std::move(picture);
}

void StartUp::paintEvent(QPaintEvent*) {
  QPainter p(this);
  takePicture();
  if (size() == kTitleSize && !picture_.isNull()) {
    p.drawImage(rect(), picture_);
  } else {
    // A screen too small for the title: the arena fills what the window has, under the band.
    if (stage_.isNull()) stage_ = QImage(stageFile_);
    paintBackdrop(p, stage_, rect());
    paintLettering(p, font(), width(), subtitle_);
  }
  if (!painted_) emit painted();
  painted_ = true;
}

}  // namespace velko::ui
