// The battle screen's way into the fight inspector: once a bout of this screen is over (a
// tournament goes on to the next one), its recording opens on the battle stage.

#include <QPushButton>

#include "ui/fight/fight.h"
#include "ui/lab/inspector.h"

namespace velko::ui {

void Fight::addReplayButton() {
  // Half of the give-up command's place, beside it.
  const QRect tap = cmdTap_->geometry();
  const int half = (tap.width() - 8) / 2;
  cmdTap_->setGeometry(tap.x(), tap.y(), half, tap.height());
  cmdReplay_ = new QPushButton(qtTrId("振り返り(&R)"), this);
  cmdReplay_->setObjectName("cmdReplay");
  cmdReplay_->setGeometry(tap.x() + half + 8, tap.y(), tap.width() - half - 8, tap.height());
  cmdReplay_->setAutoDefault(false);
  cmdReplay_->setFocusPolicy(Qt::NoFocus);
  cmdReplay_->setStyleSheet(
      "QPushButton { color: #dfe6f2; font-size: 16px; background: #222b3c; padding: 0px;"
      "  border: 1px solid #3b4966; border-radius: 6px; }"
      "QPushButton:disabled { color: #5a6070; border-color: #2b3344; }");
  cmdReplay_->setEnabled(false);
  connect(cmdReplay_, &QPushButton::clicked, this, &Fight::openLastRecording);
}

void Fight::openLastRecording() {
  const FightRecording* recording = session_->lastRecording();
  if (recording == nullptr) return;
  Inspector inspector(*recording, services_.folder, this);
  inspector.exec();
}

}  // namespace velko::ui
