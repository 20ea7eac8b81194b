#pragma once
// Fakes of the screens and devices the career talks to: a music player (with or without a
// working device), a battle screen that records what it was told, a player who always picks
// one pattern, and a navigator that runs a battle screen headless.

#include <functional>
#include <string>
#include <vector>

#include "battle/fight_controller.h"
#include "career/blank_fight_screen.h"
#include "career/fight_dice.h"
#include "career/fight_session.h"
#include "career/navigator.h"
#include "core/music_player.h"

namespace velko::testing {

class FakeMusic : public MusicPlayer {
 public:
  void close() override { played.push_back("Close"); }
  bool open(const std::string& fileName) override {
    played.push_back(fileName);
    return deviceWorks;
  }
  bool play() override {
    ++plays;
    return deviceWorks;
  }
  bool seek() override {
    ++seeks;
    return true;
  }
  void setNotify(bool) override {}
  void setOnDone(std::function<void()> handler) override { onDone = std::move(handler); }
  long length() const override { return trackLength; }
  long position() const override { return trackPosition; }

  // A track that has played to its end, as the player reports it.
  void reachEnd() {
    trackLength = trackPosition = 480;
    if (onDone) onDone();
  }

  std::vector<std::string> played;
  std::function<void()> onDone;
  long trackLength = 0;
  long trackPosition = 0;
  int plays = 0;
  int seeks = 0;
  bool deviceWorks = true;
};

class RecordingScreen : public BlankFightScreen {
 public:
  void dspMsg(const std::string& text) override { narration.push_back(text); }
  void playSound(const std::string& name) override { sounds.push_back(name); }
  void closeFight() override { ++closes; }
  void setCaption(const std::string& text) override { caption = text; }
  void showGuide(const std::string& text) override { guide = text; }
  void showBracket(const Bracket&) override { ++bracketShown; }

  std::vector<std::string> narration;
  std::vector<std::string> sounds;
  std::string caption;
  std::string guide;
  int closes = 0;
  int bracketShown = 0;
};

// Always the pattern in one slot of the Doll (nullptr: a pass), always closing in.
class PatternPicker : public FightController {
 public:
  explicit PatternPicker(int slot) : slot_(slot) {}
  const Logic* choosePattern(const BattleState& state, int i) override {
    if (slot_ < 0) return nullptr;
    return state.fighter(i).getLogic(slot_).get();
  }
  int16_t chooseMove(const BattleState&, int, int, const Logic&) override { return kCloseIn; }

 private:
  int slot_;
};

// Opens each battle screen headless: loads it, then presses "次へ" until it closes (or the
// given cap), optionally giving up at a given press.
class HeadlessNavigator : public Navigator {
 public:
  HeadlessNavigator(CareerState& state, CareerServices& services)
      : state_(state), services_(services) {}

  bool openCharMake() override { return true; }
  void openWorkshop(std::optional<int16_t>) override { ++workshops; }
  bool openShop() override {
    ++shops;
    return shopTrades;
  }
  bool openProgram() override { return registers; }
  void openFight(int16_t mode, const std::string& className) override {
    const FightDiceOverride dice(services_.rnd);  // the scripted dice decide the fight too
    FightSession session(state_, services_, screen, mode, player, player);
    session.setClass(className);
    session.Form_Load();
    for (int press = 0; press < maxPresses && !session.closed(); ++press) {
      if (press == giveUpAt) {
        session.cmdTap_Click();
        continue;
      }
      session.cmdNext_Click();
    }
    lastBracket = session.bracket();
    lastReplay = session.lastReplayFile().filename().string();
    lastRound = session.roundNo();
    ++fights;
  }
  void offerAutoGiveUp() override { ++autoGiveUpOffers; }
  std::optional<int16_t> openSaveLoad(int16_t) override { return slot; }
  // The summary comes after the ending's box and before the title.
  void showCareerSummary() override {
    ++summaries;
    titlesBeforeSummary = titles;
  }
  void showTitle() override { ++titles; }
  void endProgram() override { ++ends; }

  RecordingScreen screen;
  PatternPicker player{0};
  bool shopTrades = true;  // what the shop and the editor report when they close
  bool registers = true;
  int maxPresses = 500;
  int giveUpAt = -1;
  std::optional<int16_t> slot;
  Bracket lastBracket;
  int16_t lastRound = 0;
  std::string lastReplay;  // the file name of the last fight's replay
  int workshops = 0, shops = 0, fights = 0, titles = 0, ends = 0, summaries = 0;
  int autoGiveUpOffers = 0;
  int titlesBeforeSummary = -1;

 private:
  CareerState& state_;
  CareerServices& services_;
};

}  // namespace velko::testing
