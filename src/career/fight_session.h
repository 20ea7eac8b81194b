#pragma once
// The battle screen's rules for one opening: setting up a street fight, a duel or a whole
// tournament, running the fight through the battle engine, and what a decided fight brings.
// The Qt battle screen (or a headless runner) shows it and forwards the player's commands.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "battle/after_fight.h"
#include "battle/battle.h"
#include "battle/computer_controller.h"
#include "battle/fight_controller.h"
#include "career/bracket.h"
#include "career/career_state.h"
#include "career/fight_screen.h"
#include "career/fight_settlement.h"
#include "career/tournament_draw.h"
#include "replay/fight_recorder.h"

namespace velko {

class FightSession : public AfterFight, private FightSettlement {
 public:
  // player0 answers for the player's Doll; in a duel player1 answers for the opponent.
  // The fight's dice are the session's own (or those a FightDiceOverride put in place); the
  // draws, the bracket and the after-fight rules keep the game's source. Every fight is
  // recorded under save/replays.
  FightSession(CareerState& state, CareerServices& services, FightScreen& screen, int16_t mode,
               FightController& player0, FightController& player1);
  FightSession(const FightSession&) = delete;
  FightSession& operator=(const FightSession&) = delete;

  // The tournament class ("Novice", "Expert", "Master"), before Form_Load.
  void setClass(const std::string& strClass) { className_ = strClass; }
  const std::string& getClass() const { return className_; }

  // Opening: the fight music, the set-up for the mode, the guide.
  void Form_Load();
  void cmdNext_Click();
  // Asks "ギブアップして試合を中断しますか？" and gives up on Yes.
  void cmdTap_Click();

  // The last fight recorded (empty before one ends), and where it was kept (empty when it
  // could not be written).
  const FightRecording* lastRecording() const { return last_ ? &*last_ : nullptr; }
  // Presses of the next command in the bout under way so far.
  int boutSteps() const { return recorder_.recording().steps; }
  const std::filesystem::path& lastReplayFile() const { return lastReplayFile_; }

  // True once the screen has been told to close (by a result, a loss or a give-up).
  bool closed() const { return closed_ || battle_.isOver(); }
  Battle& battle() { return battle_; }
  const Bracket& bracket() const { return view_; }
  const Kumiawase& entries() const { return bracket_; }
  int16_t roundNo() const { return roundNo_; }
  int16_t boutIndex() const { return boutIndex_; }

  // A decided or abandoned fight, settled in the rules' order (settleFight).
  void settle(const FightOutcome& outcome) override;

 private:
  // --- the steps of settling a fight ---
  void setWin(int16_t winnerID) override;
  void levelUp(int16_t outcome) override;
  void winFight() override;
  void loseFight() override;
  void countLoss() override;
  void Shunyu() override;
  void Shuri() override;
  void initParam() override;

  // The fight in the month under way of the career's history.
  void countInHistory(const FightOutcome& outcome);
  void initStreet();
  void initDuel();
  void initTornament();
  void runTornament();
  // Runs the bracket on while a won bout has made the next one due.
  void startDueBouts();
  void close();
  // The give-up itself, once the player has confirmed it or the automatic give-up is due.
  void giveUpNow();
  // After a step: the player's Doll below the line of the automatic give-up gives up, telling
  // why first; the outcome is the ordinary give-up's.
  void autoGiveUp();
  DollRef ldTekiDoll(int16_t id);
  // Fights copies of both Dolls, recorded; what the fight brings is written back by the
  // after-fight rules.
  void startBout(const DollRef& fighter0, const DollRef& fighter1);
  void finishRecording();
  // A registry that cannot be read ends the opening with its message.
  void registryFault(const std::exception& fault);

  CareerState& state_;
  CareerServices& services_;
  FightScreen& screen_;
  FightController& player0_;
  FightController& player1_;
  ComputerController computer_;
  ClockRandom ownDice_;  // the fight's dice unless an override was in place at the opening
  FightRecorder recorder_;
  Battle battle_;
  bool recording_ = false;
  std::optional<FightRecording> last_;  // the next bout records anew
  std::filesystem::path lastReplayFile_;
  int16_t mode_;
  std::string className_ = "Novice";
  Bracket view_;
  Kumiawase bracket_{};
  int16_t boutIndex_ = 0;
  int16_t roundNo_ = 1;
  bool closed_ = false;
  bool nextBoutDue_ = false;
  bool historyNamesNextReplay_ = false;
};

}  // namespace velko
