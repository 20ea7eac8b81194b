#include "ui/app/start_up.h"
#include "ui/app/language.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "career/game.h"
#include "ui/app/help_window.h"
#include "ui/app/title_cache.h"
#include "ui/widgets/accessible_role.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/ui_style.h"

namespace velko::ui {

StartUp::StartUp(Game& game, const GameFolder& folder, QWidget* parent)
    : QWidget(parent),
      game_(game),
      picturePainting_(startTitlePicture(
          {letteredPicture(QString::fromStdString(folder.path("\\img\\stage.jpg").string())),
           devicePixelRatioF(), font(), qtTrId("ドール・バトル・シミュレーション"),
           QString::fromStdString((folder.root() / kTitleCacheName).string())})) {
  // A window to a screen reader, as the other screens are, named by its title; given before
  // anything asks the reader's view of it.
  setAccessibleRole(this, QAccessible::Window);
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
  // Esc and Ctrl+Q quit as the Quit button does.
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_Q)}) {
    auto* quit = new QShortcut(keys, this);
    connect(quit, &QShortcut::activated, cmdQuit_, &QPushButton::click);
  }
  command1_[0]->setFocus();
  fitToScreen(this);
}

void StartUp::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
    return;
  }
  if (key == Qt::Key_Down || key == Qt::Key_Right) {
    focusNextChild();
    return;
  }
  if (key == Qt::Key_Up || key == Qt::Key_Left) {
    focusPreviousChild();
    return;
  }
  QWidget::keyPressEvent(event);
}

void StartUp::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  game_.cmdQuit_Click();
}

void StartUp::takePicture() {
  if (picturePainting_.picture.valid()) picture_ = takeTitlePicture(picturePainting_);
}

void StartUp::paintEvent(QPaintEvent*) {
  QPainter p(this);
  takePicture();
  if (size() == kTitleSize) {
    p.drawImage(rect(), picture_);
  } else {
    // A screen too small for the title: the window shows the middle of the picture, from its
    // top, so the name stays whole and centred.
    p.fillRect(rect(), QColor(8, 10, 16));
    p.drawImage(QPoint((width() - kTitleSize.width()) / 2, 0), picture_);
  }
  if (!painted_) emit painted();
  painted_ = true;
}

}  // namespace velko::ui
