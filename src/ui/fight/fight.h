#pragma once
// The battle screen: the stage with both Dolls, the narration, each fighter's name, hit points,
// action points, initiative and state, the next and give-up commands and the guide. It shows
// what the fight session tells it and forwards the player's commands; the rules live in the
// session and the battle engine.

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "career/career_state.h"
#include "career/fight_screen.h"
#include "career/fight_session.h"
#include "core/music_player.h"
#include "core/random.h"

class QFrame;
class QLabel;
class QPushButton;

namespace velko::ui {

class FightStage;
class NarrationView;

class Fight : public QDialog, public FightScreen {
  Q_OBJECT

 public:
  // The player answers through the pattern and move dialogs; soundEffects is the battle
  // screen's own player, for "SE".
  Fight(CareerState& state, CareerServices& services, int16_t mode, const std::string& className,
        MusicPlayer& soundEffects, QWidget* parent = nullptr);
  // The same screen with other answers for fighter 0 and, in a duel, fighter 1.
  Fight(CareerState& state, CareerServices& services, int16_t mode, const std::string& className,
        MusicPlayer& soundEffects, FightController& player0, FightController& player1,
        QWidget* parent = nullptr);
  ~Fight() override;

  FightSession& session() { return *session_; }
  FightStage* stage() const { return dspDollImg_; }
  QPushButton* cmdNext() const { return cmdNext_; }
  QPushButton* cmdTap() const { return cmdTap_; }
  // Opens the last finished bout of this screen in the fight inspector.
  QPushButton* cmdReplay() const { return cmdReplay_; }
  QPushButton* Command1(int index) const { return Command1_.at(index); }
  NarrationView* narration() const { return narration_; }
  // The fight has been set up and takes commands.
  bool ready() const { return ready_; }
  QFrame* barHP(int index) const { return barHP_.at(index); }

  void cmdNext_Click();
  void cmdTap_Click();
  // Button 1 brings back earlier lines of the narration, button 0 later ones, whole lines.
  void Command1_Click(int index);
  void dspGuide_Click();

  // --- FightScreen ---
  void dspMsg(const std::string& text) override;
  void dspInitiative(int i, bool first, const std::string& text) override;
  void dspAP(int i, const std::string& text) override;
  void dspDolls(const BattleState& state) override;
  void dspFightImage(const BattleState& state, int i, ActionId action) override;
  void dspDollImage(const BattleState& state) override;
  void dspLabels(const BattleState& state, const FightLabels& labels) override;
  void playSound(const std::string& name) override;
  void closeFight() override;
  void setCaption(const std::string& caption) override;
  void showGuide(const std::string& text) override;
  void showBracket(const Bracket& bracket) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Esc and the window frame ask the give-up question: leaving a fight always runs its rules.
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Fight(CareerState& state, CareerServices& services, MusicPlayer& soundEffects, QWidget* parent);
  void openSession(int16_t mode, const std::string& className, FightController& player0,
                   FightController& player1);
  void Form_Load();
  void buildHeader();
  void buildNarration();
  void buildSidePanel();
  void addReplayButton();
  void openLastRecording();
  void dspAbl(const BattleState& state);
  void setBar(int index, int fighter, int hp);
  // A picture of the game folder by its game path, as "\img\stage.jpg".
  QString picture(const std::string& gamePath) const;

  CareerState& state_;
  CareerServices& services_;
  MusicPlayer& soundEffects_;
  SoundEffect sound_;
  ClockRandom effectRnd_;  // the effects' scatter, apart from the rules' dice
  std::unique_ptr<FightController> ownPlayer_;  // answers for both sides in a duel
  std::unique_ptr<FightSession> session_;
  bool loaded_ = false;
  bool ready_ = false;
  bool closing_ = false;

  FightStage* dspDollImg_ = nullptr;
  NarrationView* narration_ = nullptr;
  std::array<QPushButton*, 2> Command1_{};
  QPushButton* cmdNext_ = nullptr;
  QPushButton* cmdTap_ = nullptr;
  QPushButton* cmdReplay_ = nullptr;
  std::array<QLabel*, 2> dspName_{};
  std::array<QLabel*, 2> dspAP_{};
  std::array<QLabel*, 2> dspInitiative_{};
  std::array<QLabel*, 2> dspJoutai_{};
  std::array<QLabel*, 2> dspAbl_{};
  std::array<QLabel*, 2> dspAblValue_{};
  std::array<QLabel*, 2> dspAblName_{};
  QLabel* dspSpan_ = nullptr;
  std::array<QLabel*, 4> dspHP_{};  // motor 0, motor 1, frame 0, frame 1, as the bars
  std::array<QFrame*, 4> barHP_{};
  QFrame* paneGuide_ = nullptr;
  QLabel* dspGuide_ = nullptr;
};

}  // namespace velko::ui
