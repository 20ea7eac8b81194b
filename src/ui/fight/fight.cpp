// The battle screen's life and commands: opening the session, loading, next and give-up, the
// scroll buttons, the guide, the keys, and closing once the session is done.

#include "ui/fight/fight.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "ui/app/help_window.h"
#include "ui/fight/fight_layout.h"
#include "ui/fight/fight_player.h"
#include "ui/fight/fight_stage.h"
#include "ui/fight/narration_view.h"
#include "ui/widgets/focus_return.h"
#include "ui/widgets/screen_fit.h"

namespace velko::ui {

Fight::Fight(CareerState& state, CareerServices& services, MusicPlayer& soundEffects,
             QWidget* parent)
    : QDialog(parent),
      state_(state),
      services_(services),
      soundEffects_(soundEffects),
      sound_(soundEffects, services.prompter) {
  setObjectName("Fight");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  // The session names the screen once the fight is set up; until then the game's title.
  setWindowTitle(kGameTitle);
  buildHeader();
  buildNarration();
  buildSidePanel();
  addReplayButton();
  // The help opens over the fight, which stays where it was.
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [this] { HelpWindow::showFor(this); });
  // When the sound effect ends, music that has reached its end starts again.
  soundEffects_.setOnDone([this] { replayAtEnd(services_.music); });
  fitToScreen(this);
}

Fight::Fight(CareerState& state, CareerServices& services, int16_t mode,
             const std::string& className, MusicPlayer& soundEffects, QWidget* parent)
    : Fight(state, services, soundEffects, parent) {
  ownPlayer_ = std::make_unique<FightPlayer>(*this, state, services.prompter);
  openSession(mode, className, *ownPlayer_, *ownPlayer_);
}

Fight::Fight(CareerState& state, CareerServices& services, int16_t mode,
             const std::string& className, MusicPlayer& soundEffects, FightController& player0,
             FightController& player1, QWidget* parent)
    : Fight(state, services, soundEffects, parent) {
  openSession(mode, className, player0, player1);
}

Fight::~Fight() {
  soundEffects_.setOnDone(nullptr);
  soundEffects_.close();
}

void Fight::openSession(int16_t mode, const std::string& className, FightController& player0,
                        FightController& player1) {
  session_ =
      std::make_unique<FightSession>(state_, services_, *this, mode, player0, player1);
  session_->setClass(className);
}

void Fight::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (loaded_) return;
  loaded_ = true;
  // Loaded once the screen is up, so that the bracket and any message open over it.
  QTimer::singleShot(0, this, &Fight::Form_Load);
}

void Fight::Form_Load() {
  for (QLabel* label : dspAbl_)
    label->setText(qtTrId("パワー\n移動力\nジャンプ力\n回転力\nAC\n重量\n行動力\nメモリ\n価値"));
  dspDollImg_->loadBackground(picture(kStagePicture));
  dspDollImg_->loadEffect(picture(kEffectSheet), picture(kEffectMask));
  dspDollImg_->drawBackground();
  session_->Form_Load();
  ready_ = true;
  if (!closing_) giveKeyboard(this, cmdNext_);
}

// Commands wait for the fight to be set up: before that there is nobody to move.
void Fight::cmdNext_Click() {
  if (!ready_ || closing_) return;
  // Headed with its number in the bout being fought, as the bout's recording counts it.
  narration_->beginStep(session_->boutSteps() + 1);
  session_->cmdNext_Click();
  if (closing_) return;
  // The narration is the rules' own text: a step whose initiative was won shows only its
  // heading, and the labels say who acts first.
  cmdReplay_->setEnabled(session_->lastRecording() != nullptr);
  // After the dialogs of the step, the next press is one Return away.
  giveKeyboard(this, cmdNext_);
}

void Fight::cmdTap_Click() {
  if (!ready_ || closing_) return;
  session_->cmdTap_Click();
}

void Fight::closeFight() {
  if (closing_) return;
  closing_ = true;
  cmdNext_->setEnabled(false);
  cmdTap_->setEnabled(false);
  // The engine closes from inside a click; the screen goes once that click is over.
  QTimer::singleShot(0, this, [this] { done(QDialog::Accepted); });
}

void Fight::reject() {
  cmdTap_Click();
}

void Fight::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
    if (cmdNext_->isEnabled()) cmdNext_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void Fight::Command1_Click(int index) {
  constexpr int kLinesPerPress = 2;
  narration_->scrollLines(index == 1 ? -kLinesPerPress : kLinesPerPress);
}

void Fight::showGuide(const std::string& text) {
  if (text.empty()) {
    paneGuide_->hide();
    return;
  }
  dspGuide_->setText(QString::fromStdString(text));
  paneGuide_->show();
}

void Fight::dspGuide_Click() {
  paneGuide_->hide();
}

bool Fight::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dspGuide_ && event->type() == QEvent::MouseButtonRelease) {
    dspGuide_Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void Fight::setCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

void Fight::playSound(const std::string& name) {
  sound_.stSound(name);
}

}  // namespace velko::ui
