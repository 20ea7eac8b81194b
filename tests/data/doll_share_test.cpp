// Dolls shared as files: the player's Doll written and read back whole, and a reader that takes
// its bytes as untrusted: cut, flipped, oversized and re-signed edited files never crash it and
// it never accepts a Doll that does not recompute from its parts.

#include "data/share/doll_share.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "battle/headless_seams.h"
#include "core/random.h"
#include "data/catalogue/catalogue.h"
#include "data/save/slot_doll_file.h"
#include "model/action_factories.h"
#include "model/doll_stats.h"

namespace velko::testing {

// A programmed Doll of the shipped catalogue's first parts, its patterns within its memory.
struct SharedDollFixture {
  SharedDollFixture() {
    pilot.name = "秋津遥人";
    pilot.skillPlay = 14;
    d.name = "ヴェルコ 改";
    d.Motor = ld_Motor(game, 1);
    d.frame = ld_Frame(game, 2);
    d.Hard = ld_Hard(game, 1);
    d.Motor->HP = static_cast<int16_t>(d.Motor->HP - 1);  // a little damage travels too
    d.addBooster(ld_Boost(game, 1));
    d.addBooster(ld_Boost(game, 3));
    d.addProtector(ld_Protect(game, 2), quiet);
    d.setSoftM(0, ld_SoftM(game, 2));
    d.setSoftA(0, ld_SoftA(game, 5));
    d.setSoftD(0, ld_SoftD(game, 1));
    resetDollParam(d, pilot);
    const int ids[6][3] = {{kMove, kPunch, kKick}, {kJump, kKick, 0}, {kSpin, 0, 0},
                           {kKumi, kDrop, 0},      {kHazusi, 0, 0},   {kBlock, kUke, 0}};
    long memory = 0;
    for (int p = 0; p < 6; ++p) {
      auto logic = std::make_shared<Logic>();
      logic->name = p == 0 ? "ジャブ" : "";
      for (int id : ids[p]) {
        if (id == 0) break;
        const ActionRef action = workshopAction(d, id);
        if (memory + action->Memory > d.Memory) break;  // within the computer's memory
        memory += action->Memory;
        logic->addAction(action, quiet);
      }
      d.setLogics(logic, p);
    }
    d.programed = true;
  }

  GameFolder game{VELKO_GAME_DIR};
  SilentPrompter quiet;
  Owner pilot;
  doll d;
};

class DollShareTest : public ::testing::Test, public SharedDollFixture {};

// A text with its checksum line made again, as an editor who knows the format would.
std::string resigned(const std::string& text) {
  const size_t check = text.rfind("check ");
  const std::string body = text.substr(0, check);
  return body + "check " + dollShareChecksum(body) + "\n";
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return resigned(text);
}

// What an accepted file says is exactly what the Doll it gave recomputes to.
void expectRecomputes(const DollImport& read, const std::string& bytes) {
  ASSERT_TRUE(read.accepted());
  EXPECT_EQ(writeDollShare(*read.pilot, *read.doll), bytes);
  doll again = *read.doll;
  resetDollParam(again, *read.pilot);
  EXPECT_EQ(again.pow, read.doll->pow);
  EXPECT_EQ(again.AP, read.doll->AP);
  EXPECT_EQ(again.value, read.doll->value);
  EXPECT_EQ(again.weight, read.doll->weight);
}

TEST_F(DollShareTest, ExportThenImportGivesTheSameDollAndPatterns) {
  const std::string text = writeDollShare(pilot, d);
  const DollImport read = readDollShare(game, text);
  ASSERT_TRUE(read.accepted()) << read.error << "\n" << text;
  EXPECT_EQ(read.pilot->name, "秋津遥人");
  EXPECT_EQ(read.pilot->skillPlay, 14);
  const doll& r = *read.doll;
  EXPECT_EQ(r.name, "ヴェルコ 改");
  const DollFile a = dollFileOf(d);
  const DollFile b = dollFileOf(r);
  EXPECT_EQ(b.motor, a.motor);
  EXPECT_EQ(b.frame, a.frame);
  EXPECT_EQ(b.hard, a.hard);
  EXPECT_EQ(b.boosters, a.boosters);
  EXPECT_EQ(b.protectors, a.protectors);
  EXPECT_EQ(b.softA, a.softA);
  EXPECT_EQ(r.Motor->HP, d.Motor->HP);
  EXPECT_EQ(r.frame->HP, d.frame->HP);
  EXPECT_EQ(r.pow, d.pow);
  EXPECT_EQ(r.AP, d.AP);
  EXPECT_EQ(r.Memory, d.Memory);
  EXPECT_EQ(r.AC, d.AC);
  EXPECT_EQ(r.weight, d.weight);
  EXPECT_EQ(r.value, d.value);
  EXPECT_EQ(r.image, d.image);
  EXPECT_TRUE(r.programed);
  for (int p = 0; p < 6; ++p) {
    EXPECT_EQ(r.getLogic(p)->name, d.getLogic(p)->name);
    for (int k = 0; k < Logic::kSlots; ++k)
      EXPECT_EQ(r.getLogic(p)->getActions(k)->ID, d.getLogic(p)->getActions(k)->ID) << p << k;
    // The imported Doll's own software supplies the actions and their costs.
    if (r.getLogic(p)->getActions(0)->ID == kMove) {
      EXPECT_EQ(r.getLogic(p)->getActions(0), r.getSoftM(0)->move);
    }
  }
  EXPECT_EQ(r.getLogic(0)->AP, Logic(*d.getLogic(0)).getTotalAP());
  expectRecomputes(read, text);
}

TEST_F(DollShareTest, EditedFilesAreRefusedWithTheirReason) {
  const std::string text = writeDollShare(pilot, d);
  const auto refusedFor = [&](const std::string& edited) {
    return readDollShare(game, edited).error;
  };
  const std::string stats = text.substr(text.find("stats "));
  const std::string pow = stats.substr(6, stats.find(' ', 6) - 6);

  EXPECT_NE(
      refusedFor(replaced(text, "stats " + pow, "stats " + std::to_string(std::stoi(pow) + 1)))
          .find("能力値"),
      std::string::npos);
  EXPECT_NE(refusedFor(replaced(text, "mounted 1 ", "mounted 99 ")).find("パーツ"),
            std::string::npos);
  EXPECT_NE(refusedFor(replaced(text, "pattern", "pattern 0 0 12 0 0 0 0 0 0 0 0 0 x\npattern"))
                .find("壊れて"),
            std::string::npos);  // a seventh pattern line
  EXPECT_NE(refusedFor(replaced(text, "VELKO-DOLL 1", "VELKO-DOLL 2")).find("版"),
            std::string::npos);
  EXPECT_NE(refusedFor(replaced(text, "pilot 14", "pilot 4000")).find("操作能力"),
            std::string::npos);
  // The highest skill is a pilot's like any other; one above it is refused.
  pilot.skillPlay = kDollShareMaxSkill;
  resetDollParam(d, pilot);
  const std::string best = writeDollShare(pilot, d);
  EXPECT_TRUE(readDollShare(game, best).accepted()) << readDollShare(game, best).error;
  EXPECT_NE(refusedFor(replaced(best, "pilot 999 ", "pilot 1000 ")).find("操作能力"),
            std::string::npos);
  EXPECT_NE(refusedFor(replaced(text, "programmed 1", "programmed 0")).find("プログラム"),
            std::string::npos);
  EXPECT_NE(refusedFor(text.substr(0, text.size() - 2) + "0\n").find("チェックサム"),
            std::string::npos);
  // 32-bit FNV-1a worked out by hand over the bytes, those of 0x80 and above taken unsigned.
  EXPECT_EQ(dollShareChecksum(""), "811c9dc5");
  EXPECT_EQ(dollShareChecksum("a"), "e40c292c");
  EXPECT_EQ(dollShareChecksum("doll ヴェルコ\n"), "1ac76d0f");
  EXPECT_NE(refusedFor("hello").find("Dollファイルではありません"), std::string::npos);

  // Numbers only as the writer spells them, and a name's blank even when the name is empty, so
  // an accepted file is exactly what its Doll writes again.
  size_t ac = 0;
  for (int blank = 0; blank < 7; ++blank)
    ac = stats.find(' ', ac) + 1;  // the AC, a real, follows the seventh blank
  const std::string beforeAC = stats.substr(0, ac);
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"pilot 14 ", "pilot 014 "},
                                 {"hp ", "hp 0"},
                                 {"doll ヴェルコ 改", "doll"},
                                 {beforeAC, beforeAC + "0"}})
    EXPECT_NE(refusedFor(replaced(text, from, to)).find("壊れて"), std::string::npos) << to;

  // A pattern with a gap, or an action number that does not exist, even with right totals.
  const size_t line = text.find("pattern ", text.find("pattern ") + 1);  // the second pattern
  const std::string second = text.substr(line, text.find('\n', line) - line);
  std::istringstream fields(second.substr(8));
  int ap = 0, mem = 0, a0 = 0;
  fields >> ap >> mem >> a0;
  std::string gapped = "pattern " + std::to_string(ap) + " " + std::to_string(mem) + " 0 " +
                       std::to_string(a0) + " 0 0 0 0 0 0 0 0 ";
  EXPECT_NE(refusedFor(replaced(text, second, gapped)).find("左寄せ"), std::string::npos);
  std::string unknown = "pattern 0 0 12 0 0 0 0 0 0 0 0 0 ";
  EXPECT_NE(refusedFor(replaced(text, second, unknown)).find("基本行動"), std::string::npos);
}

TEST_F(DollShareTest, PatternsBeyondTheComputersMemoryAreRefused) {
  // Fill every pattern with the dearest attack: far beyond any computer's memory.
  for (int p = 0; p < 6; ++p) {
    auto logic = std::make_shared<Logic>();
    for (int k = 0; k < Logic::kSlots; ++k)
      logic->addAction(workshopAction(d, kHold), quiet);
    d.setLogics(logic, p);
  }
  ASSERT_GT(6 * 10 * workshopAction(d, kHold)->Memory, d.Memory);
  EXPECT_EQ(readDollShare(game, writeDollShare(pilot, d)).error, "メモリが足りません");
}

// Fuzz-style: every cut, random flips, oversized files, and random edits signed again. The
// reader must return (never crash) and anything it accepts must recompute from its parts.
TEST_F(DollShareTest, CutFlippedOversizedAndEditedFilesNeverPassUnlessTheyRecompute) {
  const std::string text = writeDollShare(pilot, d);
  for (size_t n = 0; n < text.size(); ++n)
    EXPECT_FALSE(readDollShare(game, text.substr(0, n)).accepted()) << n;

  std::mt19937 rng(7);
  auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
  for (int i = 0; i < 400; ++i) {
    std::string flipped = text;
    flipped[below(flipped.size())] ^= static_cast<char>(1 << below(8));
    EXPECT_FALSE(readDollShare(game, flipped).accepted()) << i;  // the checksum sees it
  }

  std::string padded = text;
  padded.insert(padded.rfind("check"), std::string(kDollShareMaxBytes, ' ') + "\n");
  EXPECT_EQ(readDollShare(game, resigned(padded)).error, dollShareTooLarge());
  EXPECT_FALSE(readDollShare(game, std::string(1 << 20, '\xff')).accepted());

  // Edited bodies, signed again: digits changed, bytes flipped, lines swapped.
  int accepted = 0;
  for (int i = 0; i < 300; ++i) {
    std::string edited = text.substr(0, text.rfind("check"));
    const int edits = 1 + static_cast<int>(below(3));
    for (int e = 0; e < edits; ++e) {
      const size_t at = below(edited.size());
      switch (below(3)) {
        case 0:
          if (edited[at] >= '0' && edited[at] <= '9')
            edited[at] = static_cast<char>('0' + below(10));
          break;
        case 1:
          edited[at] ^= static_cast<char>(1 << below(8));
          break;
        default:
          edited.insert(at, 1, static_cast<char>(below(256)));
          break;
      }
    }
    const std::string bytes = edited + "check " + dollShareChecksum(edited) + "\n";
    const DollImport read = readDollShare(game, bytes);
    if (!read.accepted()) {
      EXPECT_EQ(read.doll, nullptr);
      continue;
    }
    ++accepted;
    expectRecomputes(read, bytes);
  }
  // Some edits (a name, an HP within the part's) are honest Dolls still; most are not.
  EXPECT_LT(accepted, 150);
}

}  // namespace velko::testing
