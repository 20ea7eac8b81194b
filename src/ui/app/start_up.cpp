#include "ui/app/start_up.h"

#include <QCloseEvent>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "career/game.h"
#include "ui/app/help_window.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/ui_style.h"

namespace velko::ui {

namespace {

std::future<QImage> readPicture(const std::filesystem::path& file) {
  return std::async(std::launch::async,
                    [name = QString::fromStdString(file.string())] { return QImage(name); });
}

}  // namespace

StartUp::StartUp(Game& game, const GameFolder& folder, QWidget* parent)
    : QWidget(parent), game_(game), stageReading_(readPicture(folder.path("\\img\\stage.jpg"))) {
  setWindowTitle("VELKO");
  setFixedSize(800, 500);
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

void StartUp::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (stageReading_.valid()) stage_ = QPixmap::fromImage(stageReading_.get());
  if (!stage_.isNull()) {
    p.drawPixmap(rect(), stage_, QRect(0, 0, 800, 400));
  } else {
    p.fillRect(rect(), QColor(20, 24, 34));
  }
  QLinearGradient shade(0, 0, 0, height());
  shade.setColorAt(0, QColor(0, 0, 0, 90));
  shade.setColorAt(1, QColor(0, 0, 0, 200));
  p.fillRect(rect(), shade);
  // A dark band keeps the title readable over the arena's banners.
  p.fillRect(QRect(0, 55, width(), 180), QColor(8, 10, 16, 190));
  p.fillRect(QRect(0, 55, width(), 2), QColor(236, 72, 60, 200));
  p.fillRect(QRect(0, 233, width(), 2), QColor(236, 72, 60, 200));

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
