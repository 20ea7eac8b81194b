#include "sim/career_driver.h"

#include "career/blank_fight_screen.h"
#include "career/fight_dice.h"
#include "career/new_player.h"
#include "core/numbers.h"

namespace velko::sim {

namespace {

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
  BlankFightScreen screen;
  const FightDiceOverride dice(services_.rnd);  // one seeded source runs the whole career
  FightSession session(state_, services_, screen, mode, playerController(), computer_);
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
