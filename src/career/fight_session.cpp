#include "career/fight_session.h"

#include "battle/auto_give_up.h"
#include "career/after_fight_rules.h"
#include "career/fight_dice.h"
#include "career/tournament_draw.h"
#include "core/numbers.h"
#include "core/shown_text.h"
#include "data/registry/registry_read.h"
#include "model/doll_picture.h"
#include "model/fight_clone.h"
#include "model/shown_doll_name.h"
#include "replay/replay_folder.h"

namespace velko {

namespace {

Random& fightDice(Random& own) {
  Random* const override = FightDiceOverride::current();
  return override ? *override : own;
}

}  // namespace

// Outside a duel the computer answers for fighter 1.
FightSession::FightSession(CareerState& state, CareerServices& services, FightScreen& screen,
                           int16_t mode, FightController& player0, FightController& player1)
    : state_(state),
      services_(services),
      screen_(screen),
      player0_(player0),
      player1_(player1),
      recorder_(fightDice(ownDice_), player0, mode == kModeDuel ? player1 : computer_),
      battle_(recorder_.random(), screen, *this),
      mode_(mode) {
  battle_.state().Mode = mode;
  battle_.setController(0, recorder_.controller(0));
  battle_.setController(1, recorder_.controller(1));
}

void FightSession::Form_Load() {
  battle_.state().turnStep = kTurnStart;
  roundNo_ = 1;
  if (state_.playMusic) startTrack(services_.music, "fight", services_.prompter);
  if (mode_ == kModeStreet) {
    initStreet();
  } else if (mode_ == kModeDuel) {
    initDuel();
  } else {
    initTornament();
    if (!closed_) {
      view_.resetWin();
      boutIndex_ = 0;
      nextBoutDue_ = true;
      startDueBouts();
    }
  }
  if (state_.guideOn) {
    screen_.showGuide(shown("試合画面です。「次へ」を押して進行し、指示にしたがって下さい。"));
  } else {
    screen_.showGuide("");
  }
}

void FightSession::cmdNext_Click() {
  if (closed_ || battle_.isOver()) return;
  recorder_.countStep();
  battle_.cmdNext_Click();
  if (battle_.isOver() || closed_) finishRecording();
  autoGiveUp();
  startDueBouts();
}

// A won bout only marks the next one as due: it starts here, once the engine's step is over.
void FightSession::startDueBouts() {
  while (nextBoutDue_ && !closed_) {
    nextBoutDue_ = false;
    runTornament();
  }
}

void FightSession::cmdTap_Click() {
  if (closed_ || battle_.isOver()) return;
  if (services_.prompter.askYesNoSafe(shown("ギブアップして試合を中断しますか？"), kGameTitle) !=
      kAnswerYes)
    return;
  giveUpNow();
}

void FightSession::giveUpNow() {
  battle_.giveUp();
  finishRecording();
}

// Only fighter 0 is the player's: a duel's other Doll never gives up by itself.
void FightSession::autoGiveUp() {
  if (closed_ || battle_.isOver()) return;
  const doll& mine = battle_.state().fighter(0);
  if (!autoGiveUpDue(mine, state_.autoGiveUp)) return;
  services_.prompter.notify(
      fill(shown("自動ギブアップ：モーターかフレームのHPが最大の%1%を下回りました"),
           {std::to_string(static_cast<int>(state_.autoGiveUp))}));
  giveUpNow();
}

void FightSession::startBout(const DollRef& fighter0, const DollRef& fighter1) {
  finishRecording();
  const DollRef first = cloneForFight(*fighter0);
  const DollRef second = cloneForFight(*fighter1);
  recorder_.start(battle_.state(), *first, *second);
  recording_ = true;
  battle_.initFight(first, second);
  // A Doll broken before the first step decides the fight at once (a won bout makes the next
  // one due, which startDueBouts starts).
  if (battle_.isOver()) finishRecording();
}

void FightSession::finishRecording() {
  if (!recording_) return;
  recording_ = false;
  recorder_.finish(battle_.state().winner);
  last_ = recorder_.recording();
  lastReplayFile_ = saveReplay(services_.folder, *last_);
  if (historyNamesNextReplay_ && !lastReplayFile_.empty())
    nameLastReplay(state_.history, lastReplayFile_.filename().string());
  historyNamesNextReplay_ = false;
}

DollRef FightSession::ldTekiDoll(int16_t id) {
  return velko::ldTekiDoll(services_.folder, id);
}

void FightSession::registryFault(const std::exception& fault) {
  services_.prompter.msgBox(fault.what());
  close();
}

void FightSession::initStreet() {
  screen_.setCaption("Simulation");
  try {
    services_.rnd.reseedFromClock();
    EnemyIdList tekiIDs{};
    const int16_t n = countTekiDoll(services_.folder, 9999, tekiIDs);
    // With no registered opponent there is nobody to fight; the workshop checks this first.
    if (n < 1) {
      services_.prompter.msgBox(shown("登録されている敵Dollがいません"));
      close();
      return;
    }
    const int k = intFloor(n * services_.rnd.next()) + 1;
    startBout(state_.Dolls[0], ldTekiDoll(tekiIDs[k]));
  } catch (const std::exception& fault) {
    registryFault(fault);
  }
}

void FightSession::initDuel() {
  screen_.setCaption("Duel");
  startBout(state_.Dolls[0], state_.Dolls[1]);
}

void FightSession::initTornament() {
  screen_.setCaption("TornamentFight");
  try {
    // The count and the draw take one list, so the draw never meets a Doll the count missed.
    const std::vector<int16_t> eligible = eligibleEnemies(services_.folder, classLimit(className_));
    if (std::ssize(eligible) < kTournamentOpponents) {
      services_.prompter.msgBox(shown("このクラスのトーナメントに出場できる敵Dollが足りません"));
      close();
      return;
    }
    bracket_ = makeKumiawase(eligible, services_.rnd);
    for (int s = 0; s < Bracket::kEntrants; ++s) {
      view_.setKumiawase(s, bracket_[s] != 0 ? ldTekiDoll(bracket_[s]) : state_.Dolls[0]);
    }
  } catch (const std::exception& fault) {
    registryFault(fault);
    return;
  }
  screen_.showBracket(view_);
}

void FightSession::runTornament() {
  while (!closed_) {
    if (boutIndex_ >= boutsInRound(roundNo_)) {
      ++roundNo_;
      screen_.showBracket(view_);
      boutIndex_ = 0;
    }
    const int16_t a = bracket_[2 * boutIndex_];
    const int16_t b = bracket_[2 * boutIndex_ + 1];
    try {
      if (a == 0 || b == 0) {
        // The player's bout: the run pauses until this fight is decided.
        startBout(state_.Dolls[0], ldTekiDoll(a == 0 ? b : a));
        return;
      }
      const DollRef second = ldTekiDoll(b);
      const DollRef first = ldTekiDoll(a);
      const DollRef& winner = getAutoWinner(first, second, services_.rnd);
      bracket_[boutIndex_] = winner->ID;
      view_.setWin(winner->ID, boutIndex_, roundNo_, services_.prompter);
      ++boutIndex_;
    } catch (const std::exception& fault) {
      registryFault(fault);
      return;
    }
  }
}

void FightSession::close() {
  if (closed_) return;
  closed_ = true;
  screen_.closeFight();
}

void FightSession::settle(const FightOutcome& outcome) {
  settleFight(outcome, *this);
  countInHistory(outcome);
}

void FightSession::countInHistory(const FightOutcome& outcome) {
  const doll& opponent = battle_.state().fighter(1);
  HistoryFight fight;
  fight.mode = mode_;
  fight.end = outcome.end == FightEnd::Won    ? HistoryEnd::Won
              : outcome.end == FightEnd::Lost ? HistoryEnd::Lost
                                              : HistoryEnd::GivenUp;
  fight.opponentID = opponent.ID;
  fight.opponentValue = opponent.value;
  fight.opponent = opponent.name;
  countFight(state_.history, fight);
  // The replay is written once the engine's step is over; its name follows then.
  historyNamesNextReplay_ = true;
}

void FightSession::setWin(int16_t winnerID) {
  view_.setWin(winnerID, boutIndex_, roundNo_, services_.prompter);
}

void FightSession::levelUp(int16_t outcome) {
  const BattleState& s = battle_.state();
  velko::levelUp(state_.player(), outcome, s.fighter(0).value, s.fighter(1).value, services_.rnd,
                 services_.prompter);
}

void FightSession::winFight() {
  const BattleState& s = battle_.state();
  if (mode_ == kModeStreet || mode_ == kModeDuel) {
    services_.prompter.notifyCaption(fill(shown("%1勝利"), {shownDollName(s.fighter(0))}),
                                     mode_ == kModeStreet ? "Simulation" : "DUEL");
    initParam();
    close();
    return;
  }
  Owner& player = state_.player();
  addCapped(player.recWin, 1);
  if (roundNo_ == 3) {
    addCapped(player.Rl, 500);
    addCapped(player.recChamp, 1);
    countTitle(state_.history);
    // The moment of winning: the fanfare instead of the fight music, and the Doll beside the
    // notice.
    services_.music.close();
    screen_.playSound("fanfare");
    const std::string picture = dollPicture(state_.playerDoll());
    services_.prompter.notifyPicture(
        fill(shown("優勝\n賞金%1Rl"), {Str(500)}),
        picture.empty() ? "" : services_.folder.path(picture).string());
    Shuri();
    close();
    return;
  }
  Shuri();
  bracket_[boutIndex_] = 0;
  ++boutIndex_;
  nextBoutDue_ = true;
}

// The loss notice of a street fight or a duel; the engine closes the screen after it.
void FightSession::loseFight() {
  const BattleState& s = battle_.state();
  if (s.isDuel()) {
    services_.prompter.notifyCaption(fill(shown("%1勝利"), {shownDollName(s.fighter(1))}), "DUEL");
  } else {
    services_.prompter.notifyCaption(fill(shown("%1敗北"), {shownDollName(s.fighter(0))}),
                                     "Simulation");
  }
  initParam();
}

void FightSession::countLoss() {
  addCapped(state_.player().recLoose, 1);
}

void FightSession::Shunyu() {
  velko::Shunyu(state_.player(), services_.rnd, services_.prompter);
}

void FightSession::Shuri() {
  doll& d = state_.playerDoll();
  const bool hadMotor = d.Motor->ID != 0;
  const bool hadFrame = d.frame->ID != 0;
  ShuriAfterFight(state_.player(), d, battle_.state().fighter(0), services_.prompter);
  // A part destroyed in the fight leaves its slot empty.
  const int lost = (hadMotor && d.Motor->ID == 0 ? 1 : 0) + (hadFrame && d.frame->ID == 0 ? 1 : 0);
  if (lost > 0) countPartsLost(state_.history, lost);
}

void FightSession::initParam() {
  if (battle_.state().fighters[0]) restoreHitPoints(*battle_.state().fighters[0]);
  restoreHitPoints(*state_.Dolls[0]);
  restoreHitPoints(*state_.Dolls[1]);
}

}  // namespace velko
