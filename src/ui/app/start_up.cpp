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

// The title's backdrop without its lettering: the top of the arena picture (a plain dark field
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

// The arena picture, and the backdrop painted from it at the title's designed size. Both are
// made off the screen, so that it can be done on a thread of its own while the window is built;
// the backdrop at the screen's pixel ratio, so that it is drawn there pixel for pixel.
TitleBackdrop titleBackdrop(const QString& stageFile, qreal pixelRatio) {
  TitleBackdrop made{QImage(stageFile), QImage(kTitleSize * pixelRatio, QImage::Format_RGB32)};
  made.designed.setDevicePixelRatio(pixelRatio);
  {
    QPainter p(&made.designed);
    paintBackdrop(p, made.stage, QRect(QPoint(0, 0), kTitleSize));
  }
  return made;
}

// Where no thread can be started, the backdrop is painted at the first paint instead.
std::future<TitleBackdrop> startBackdrop(const QString& stageFile, qreal pixelRatio) {
  return std::async(std::launch::async | std::launch::deferred,
                    [stageFile, pixelRatio] { return titleBackdrop(stageFile, pixelRatio); });
}

}  // namespace

StartUp::StartUp(Game& game, const GameFolder& folder, QWidget* parent)
    : QWidget(parent),
      game_(game),
      stageFile_(letteredPicture(QString::fromStdString(folder.path("\\img\\stage.jpg").string()))),
      backdropPainting_(startBackdrop(stageFile_, devicePixelRatioF())) {
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

void StartUp::takeBackdrop() {
  if (!backdropPainting_.valid()) return;
  TitleBackdrop made = backdropPainting_.get();
  // Only what this window's size needs is kept.
  if (size() == kTitleSize) {
    backdrop_ = std::move(made.designed);
  } else {
    stage_ = std::move(made.stage);
  }
}

void StartUp::paintEvent(QPaintEvent*) {
  QPainter p(this);
  takeBackdrop();
  if (size() == kTitleSize && !backdrop_.isNull()) {
    p.drawImage(rect(), backdrop_);
  } else {
    // A screen too small for the title: the arena fills what the window has, under the band.
    if (stage_.isNull()) stage_ = QImage(stageFile_);
    paintBackdrop(p, stage_, rect());
  }

  QFont title = font();
  title.setPointSize(64);
  title.setBold(true);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 12);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 160));
  p.drawText(QRect(4, 64, width(), 120), Qt::AlignHCenter, "VELKO");
  p.setPen(QColor(236, 72, 60));
  p.drawText(QRect(0, 60, width(), 120), Qt::AlignHCenter, "VELKO");
  QFont sub = font();
  sub.setPointSize(15);
  p.setFont(sub);
  p.setPen(QColor(230, 230, 236));
  p.drawText(QRect(0, 180, width(), 40), Qt::AlignHCenter,
             qtTrId("ドール・バトル・シミュレーション"));
  if (!painted_) emit painted();
  painted_ = true;
}

}  // namespace velko::ui
