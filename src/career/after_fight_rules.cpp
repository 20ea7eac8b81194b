#include "career/after_fight_rules.h"

#include <string>

#include "core/numbers.h"
#include "core/shown_text.h"

namespace velko {

namespace {

constexpr const char* kLf = "\n";

// Hit points that the money left over 100 buys: 7 for every 10 Rl.
int16_t partialHP(int16_t money, int16_t HP, int16_t maxHP) {
  const double restored = (money - 100) / 10.0 * 7 + HP;
  return clampMax(saturate16(restored), maxHP);
}

struct RepairTexts {
  const char* repaired;   // "モータを修理しました"
  const char* destroyed;  // "モータは完全に破壊されています"
};

constexpr RepairTexts kMotorTexts{QT_TRID_NOOP("モータを修理しました"),
                                  QT_TRID_NOOP("モータは完全に破壊されています")};
constexpr RepairTexts kFrameTexts{QT_TRID_NOOP("フレームを修理しました"),
                                  QT_TRID_NOOP("フレームは完全に破壊されています")};

// What a partial repair leaves the player: nothing after a fight, 100 Rl on a work day.
enum class RepairDay { AfterFight, WorkDay };

// The repair both days share: in full when the money reaches the cost, else part of the way
// while at least 110 Rl are there; a part at full hit points costs 100 and is left alone.
// Returns the note; `last` drops the final line feed, as the note ends there.
template <typename Part>
std::string repairPart(Owner& player, Part& part, int16_t cost, const RepairTexts& texts, bool last,
                       RepairDay day) {
  if (cost <= 100) return "";
  if (player.Rl >= cost) {
    part.HP = part.maxHP;
    player.Rl = static_cast<int16_t>(player.Rl - cost);
    std::string note = shown(texts.repaired) + kLf + fill(shown("（代金%1Rl）"), {Str(cost)});
    return last ? note : note + kLf;
  }
  if (player.Rl < 110) return "";
  part.HP = partialHP(player.Rl, part.HP, part.maxHP);
  const int16_t kept = day == RepairDay::AfterFight ? 0 : 100;
  std::string note =
      shown(texts.repaired) + kLf + fill(shown("（代金%1Rl）"), {Str(player.Rl - kept)});
  player.Rl = kept;
  // After a fight the shortfall is said, and the note ends there even for the motor.
  if (day == RepairDay::AfterFight) return note + kLf + shown("金額不足で途中までしか直りません");
  return last ? note : note + kLf;
}

// One part after a tournament fight: a destroyed part is only announced.
template <typename Part>
std::string repairAfterFight(Owner& player, Part& part, int16_t cost, const RepairTexts& texts,
                             bool last) {
  if (part.HP <= 0) return shown(texts.destroyed) + kLf;
  return repairPart(player, part, cost, texts, last, RepairDay::AfterFight);
}

// One part on a work day: an empty slot has nothing to repair.
template <typename Part>
std::string repairOnWorkDay(Owner& player, Part& part, int16_t cost, const RepairTexts& texts,
                            bool last) {
  if (part.name.empty()) return "";
  return repairPart(player, part, cost, texts, last, RepairDay::WorkDay);
}

}  // namespace

void addCapped(int16_t& field, int amount) {
  field = saturate16(field + amount);
}

void levelUp(Owner& player, int16_t outcome, int16_t playerValue, int16_t opponentValue,
             Random& rnd, Prompter& prompter) {
  addCapped(player.exp, 1000);
  std::string message = std::string(shown("経験値＋1000")) + kLf;
  const int threshold = (player.Lv - 1) * 1000;
  if (player.exp >= threshold) {
    addCapped(player.exp, -threshold);
    addCapped(player.Lv, 1);
    message += std::string(shown("レベル＋１")) + kLf;
    const int gain = intFloor(rnd.next() * 4 + 1);
    addCapped(player.skillPlay, gain);
    message += fill(shown("操作能力＋%1"), {Str(gain)}) + kLf;
  }
  if (outcome != 1) {
    prompter.notifyCaption(message, shown("敗北"));
    return;
  }
  const int difference = clampRange(saturate16(opponentValue - playerValue), 0, 9999);
  const int prize = difference + 100;
  addCapped(player.Rl, prize);
  message += fill(shown("賞金%1"), {Str(prize)}) + kLf;
  prompter.notifyTall(message, shown("勝利"), 5);
}

int16_t Shunyu(Owner& player, Random& rnd, Prompter& prompter) {
  const int a = intFloor(rnd.next() * 4 + 1);
  const int b = intFloor(rnd.next() * 4 + 1);
  const int16_t income = static_cast<int16_t>((a + b + 3) * 50);
  addCapped(player.Rl, income);
  prompter.notify(fill(shown("臨時収入が%1Rl入った"), {Str(income)}));
  return income;
}

int16_t repairCost(int16_t maxHP, int16_t HP) {
  const float cost = static_cast<float>(maxHP - HP) / 7.0f * 10.0f + 100.0f;
  return saturate16(cost);
}

void ShuriAfterFight(Owner& player, doll& playerDoll, const doll& fighter0, Prompter& prompter) {
  playerDoll.Motor->HP = fighter0.Motor->HP;
  playerDoll.frame->HP = fighter0.frame->HP;
  const int16_t motorCost = repairCost(playerDoll.Motor->maxHP, playerDoll.Motor->HP);
  const int16_t frameCost = repairCost(playerDoll.frame->maxHP, playerDoll.frame->HP);

  std::string message = repairAfterFight(player, *playerDoll.Motor, motorCost, kMotorTexts, false);
  if (playerDoll.Motor->HP <= 0) {
    player.removeMotor(playerDoll.Motor->ID, false);
    playerDoll.Motor = std::make_shared<Motor>();
  }
  message += repairAfterFight(player, *playerDoll.frame, frameCost, kFrameTexts, true);
  if (playerDoll.frame->HP <= 0) {
    player.removeFrame(playerDoll.frame->ID, false);
    playerDoll.frame = std::make_shared<DollFrame>();
  }
  if (!message.empty()) prompter.msgBox(message);
}

void ShuriWorkDay(Owner& player, doll& playerDoll, Prompter& prompter) {
  const int16_t motorCost = repairCost(playerDoll.Motor->maxHP, playerDoll.Motor->HP);
  const int16_t frameCost = repairCost(playerDoll.frame->maxHP, playerDoll.frame->HP);
  std::string message = repairOnWorkDay(player, *playerDoll.Motor, motorCost, kMotorTexts, false);
  message += repairOnWorkDay(player, *playerDoll.frame, frameCost, kFrameTexts, true);
  if (!message.empty()) prompter.msgBox(message);
}

}  // namespace velko
