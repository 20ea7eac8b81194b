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

// One part after a tournament fight. Returns the note; `last` drops the final line feed of
// the frame's full repair, as the note ends there.
template <typename Part>
std::string repairAfterFight(Owner& player, Part& part, int16_t cost, const RepairTexts& texts,
                             bool last) {
  if (part.HP <= 0) return shown(texts.destroyed) + kLf;
  if (player.Rl >= cost && cost > 100) {
    part.HP = part.maxHP;
    player.Rl = static_cast<int16_t>(player.Rl - cost);
    std::string note = shown(texts.repaired) + kLf + fill(shown("（代金%1Rl）"), {Str(cost)});
    return last ? note : note + kLf;
  }
  if (player.Rl >= 110 && cost > 100) {
    part.HP = partialHP(player.Rl, part.HP, part.maxHP);
    std::string note = shown(texts.repaired) + kLf + fill(shown("（代金%1Rl）"), {Str(player.Rl)}) +
                       kLf + shown("金額不足で途中までしか直りません");
    player.Rl = 0;
    return note;
  }
  return "";
}

template <typename Part>
std::string repairOnWorkDay(Owner& player, Part& part, int16_t cost, const RepairTexts& texts,
                            bool last) {
  if (part.name.empty()) return "";
  if (player.Rl >= cost && cost > 100) {
    part.HP = part.maxHP;
    player.Rl = static_cast<int16_t>(player.Rl - cost);
    std::string note = shown(texts.repaired) + kLf + fill(shown("（代金%1Rl）"), {Str(cost)});
    return last ? note : note + kLf;
  }
  if (player.Rl >= 110 && cost > 100) {
    part.HP = partialHP(player.Rl, part.HP, part.maxHP);
    std::string note =
        shown(texts.repaired) + kLf + fill(shown("（代金%1Rl）"), {Str(player.Rl - 100)});
    player.Rl = 100;
    return last ? note : note + kLf;
  }
  return "";
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
