#include "sim/career_driver.h"

#include "battle/computer_controller.h"
#include "career/new_player.h"
#include "core/numbers.h"

namespace velko::sim {

namespace {

class BlindScreen : public FightScreen {
 public:
  void dspMsg(const std::string&) override {}
  void dspInitiative(int, bool, const std::string&) override {}
  void dspAP(int, const std::string&) override {}
  void dspDolls(const BattleState&) override {}
  void dspFightImage(const BattleState&, int, int) override {}
  void dspDollImage(const BattleState&) override {}
  void dspLabels(const BattleState&, const FightLabels&) override {}
  void playSound(const std::string&) override {}
  void closeFight() override {}
  void setCaption(const std::string&) override {}
  void showGuide(const std::string&) override {}
  void showBracket(const Bracket&) override {}
};

constexpr int kPressLimit = 2000;

}  // namespace

CareerDriver::CareerDriver(const GameFolder& folder, Random& rnd)
    : rnd_(rnd),
      state_(rnd),
      services_{folder, rnd, prompter_, music_},
      game_(state_, services_, *this) {}

void CareerDriver::start() {
  game_.StartUp_Form_Load();
  initPlayer(state_.player(), rnd_);
  state_.newGame = true;
  game_.Form_Load(std::nullopt);
  state_.playMusic = false;
}

void CareerDriver::openFight(int16_t mode, const std::string& className) {
  ComputerController player;
  BlindScreen screen;
  FightSession session(state_, services_, screen, mode, player, player);
  session.setClass(className);
  session.Form_Load();
  for (int press = 0; press < kPressLimit && !session.closed(); ++press) {
    if (giveUpNow(session)) {
      session.cmdTap_Click();
      break;
    }
    session.cmdNext_Click();
    afterPress(session);
  }
  if (!session.closed()) fightStuck();
  fightEnded(session, mode);
}

int CareerDriver::pick(int n) {
  return n <= 0 ? 0 : intFloor(rnd_.next() * n);
}

}  // namespace velko::sim
