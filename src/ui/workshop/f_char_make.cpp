#include "ui/workshop/f_char_make.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "career/new_player.h"
#include "model/name_limit.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/name_field.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/ui_style.h"

namespace velko::ui {

FCharMake::FCharMake(CareerState& state, CareerServices& services, QWidget* parent)
    : QDialog(parent), state_(state), services_(services) {
  setWindowTitle("VELKO");
  setModal(true);
  setStyleSheet(panelStyle());

  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(qtTrId("プレイヤーデータを作成します"), this);
  title->setObjectName("lblTitle");
  QFont big = title->font();
  big.setPointSize(14);
  big.setBold(true);
  title->setFont(big);
  layout->addWidget(title);

  auto* box = new QGroupBox(qtTrId("プレイヤー"), this);
  auto* form = new QFormLayout(box);
  dspName_ = new QLineEdit(box);
  dspName_->setObjectName("dspName");
  limitNameInput(dspName_);
  dspRl_ = new QLabel(box);
  dspRl_->setObjectName("dspRl");
  dspOparate_ = new QLabel(box);
  dspOparate_->setObjectName("dspOparate");
  form->addRow(qtTrId("名前"), dspName_);
  form->addRow(qtTrId("所持金 (Rl)"), dspRl_);
  form->addRow(qtTrId("操作能力"), dspOparate_);
  layout->addWidget(box);

  auto* guide = new ClickLabel(this);
  guide->setObjectName("dspGuide");
  guide->setWordWrap(true);
  guide->setStyleSheet(guideStyle());
  guide->setText(
      qtTrId("　プレイヤーデータを作成します。\n　Entryボタンでプレイヤーデータを登録します。\n"
             "　初期データに満足の行かない場合、Resetボタンで設定し直せます。▼"));
  paneGuide_ = guide;
  paneGuide_->setVisible(state_.guideOn);
  connect(guide, &ClickLabel::clicked, this, [this] { paneGuide_->hide(); });
  layout->addWidget(guide);

  auto* buttons = new QHBoxLayout;
  cmdEntry_ = new QPushButton("Entry", this);
  cmdEntry_->setObjectName("cmdEntry");
  cmdReset_ = new QPushButton("Reset", this);
  cmdReset_->setObjectName("cmdReset");
  command3_ = new QPushButton("Quit", this);
  command3_->setObjectName("Command3");
  buttons->addStretch();
  buttons->addWidget(cmdEntry_);
  buttons->addWidget(cmdReset_);
  buttons->addWidget(command3_);
  layout->addLayout(buttons);
  // Return enters the player, wherever the keyboard is.
  cmdEntry_->setDefault(true);
  connect(cmdEntry_, &QPushButton::clicked, this, &FCharMake::cmdEntry_Click);
  connect(cmdReset_, &QPushButton::clicked, this, &FCharMake::cmdReset_Click);
  connect(command3_, &QPushButton::clicked, this, &FCharMake::Command3_Click);

  initPlayer(state_.player(), services_.rnd);
  dspPlayer();
  // As large as its contents, following them when the guide closes: a window that cannot be
  // resized gets no resize handle from the window manager, which showed as a strip under the keys.
  dspName_->setMinimumWidth(320);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  fitToScreen(this);
}

void FCharMake::dspPlayer() {
  const Owner& p = state_.player();
  dspName_->setText(QString::fromStdString(p.name));
  dspRl_->setText(QString::number(p.Rl));
  dspOparate_->setText(QString::number(p.skillPlay));
}

void FCharMake::cmdEntry_Click() {
  const std::string name = dspName_->text().toStdString();
  if (!nameFits(name)) {
    services_.prompter.msgBox(nameTooLongText());
    return;
  }
  state_.player().name = name;
  value_ = -1;
  accept();
}

void FCharMake::cmdReset_Click() {
  initPlayer(state_.player(), services_.rnd);
  dspPlayer();
}

void FCharMake::Command3_Click() {
  value_ = 0;
  reject();
}

}  // namespace velko::ui
