// Writes the first inputs of the fuzz targets from the files the game ships and writes:
// make_seeds <game folder> <seeds folder>. Each target gets <seeds folder>/<target>/.
// A target's input that holds several files joins them with fuzz::kFileSeparator.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "battle/headless_seams.h"
#include "core/random.h"
#include "data/catalogue/catalogue.h"
#include "data/files/game_folder.h"
#include "data/registry/registry_read.h"
#include "data/registry/registry_reset.h"
#include "data/save/slot_save.h"
#include "data/share/doll_share.h"
#include "fuzz_input.h"
#include "history/hall_of_fame.h"
#include "history/history_file.h"
#include "league/league_file.h"
#include "model/action_factories.h"
#include "model/doll_stats.h"
#include "replay/replay_export.h"
#include "replay/replay_file.h"
#include "support/recorded_fights.h"

using namespace velko;
namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeSeed(const fs::path& seeds, const std::string& target, const std::string& name,
               const std::string& bytes) {
  fs::create_directories(seeds / target);
  std::ofstream(seeds / target / name, std::ios::binary | std::ios::trunc) << bytes;
}

const char* const kCatalogue[] = {"Motor.ini",     "Frame.ini",    "Booster.ini",
                                  "Protector.ini", "Hardware.ini", "Software1.ini",
                                  "Software2.ini", "Software3.ini"};

// A factory opponent lacks a computer and software, so its file would be refused before the
// deeper checks: given the first ones of the catalogue, and its patterns' actions as far as
// their memory goes, it is a Doll the workshop could have made.
doll completed(const GameFolder& folder, const doll& factory, const Owner& pilot) {
  doll d = factory;
  SilentPrompter quiet;
  d.Hard = ld_Hard(folder, 1);
  d.setSoftM(0, ld_SoftM(folder, 1));
  d.setSoftA(0, ld_SoftA(folder, 1));
  d.setSoftD(0, ld_SoftD(folder, 1));
  resetDollParam(d, pilot);
  long memory = 0;
  for (int p = 0; p < 6; ++p) {
    auto logic = std::make_shared<Logic>();
    logic->name = factory.getLogic(p)->name;
    for (int k = 0; k < Logic::kSlots; ++k) {
      const int id = factory.getLogic(p)->getActions(k)->ID;
      if (id == kNoAction) break;
      const ActionRef action = workshopAction(d, id);
      if (memory + action->Memory > d.Memory) break;
      memory += action->Memory;
      logic->addAction(action, quiet);
    }
    d.setLogics(logic, p);
  }
  d.programed = true;
  return d;
}

// The file the game writes for the pilot and the Doll. A refused one is said: the fuzzer would
// start in front of the deeper checks only.
void writeDollShareSeed(const GameFolder& folder, const fs::path& seeds, const Owner& pilot,
                        const doll& d, const std::string& name) {
  const std::string bytes = writeDollShare(pilot, d);
  const DollImport read = readDollShare(folder, bytes);
  if (!read.accepted())
    std::fprintf(stderr, "make_seeds: the Doll file %s is refused: %s\n", name.c_str(),
                 read.error.c_str());
  writeSeed(seeds, "doll_share", name, bytes);
}

// A league of the given entrants with one run whose results add up.
void writeLeagueSeed(const fs::path& seeds, League league) {
  LeagueRun run{.seed = 5, .fightsPerPair = 10, .entrants = {0, 1, 2}};
  for (int a = 0; a < 3; ++a) {
    for (int b = a + 1; b < 3; ++b) {
      PairRecord p;
      p.a = a;
      p.b = b;
      p.tally = {.fights = 10, .winsA = 6, .winsB = 3, .draws = 1, .steps = 420};
      p.worstLoss = {4, 7};
      run.pairs.push_back(p);
    }
  }
  league.runs.push_back(run);
  const std::string bytes = writeLeague(league);
  const LeagueRead read = readLeague(bytes, "seed");
  if (!read.accepted()) std::fprintf(stderr, "make_seeds: %s\n", read.error.c_str());
  writeSeed(seeds, "league", "three", bytes);
}

void writeReplaySeed(const fs::path& seeds, const FightRecording& recording,
                     const std::string& name) {
  const std::string bytes = formatReplay(recording);
  const ReplayParse read = parseReplay(bytes);
  if (!read.recording)
    std::fprintf(stderr, "make_seeds: the replay %s is refused: %s\n", name.c_str(),
                 read.error.c_str());
  writeSeed(seeds, "replay", name, bytes);
  // The same fight as another player receives it.
  writeSeed(seeds, "replay_export", name + ".velkoreplay", writeReplayExport(recording));
}

// Fights recorded the way the game records them: two factory opponents in a street fight and a
// tournament bout, and two Dolls of drawn patterns in a duel. A refused one is said.
void writeReplaySeeds(const GameFolder& folder, const fs::path& seeds) {
  const struct {
    DollRef a, b;
    int16_t mode;
    const char* name;
  } fights[] = {{ldTekiDoll(folder, 1), ldTekiDoll(folder, 14), kModeStreet, "street"},
                {ldTekiDoll(folder, 27), ldTekiDoll(folder, 20), kModeTournament, "tournament"}};
  SeededRandom dolls(3);
  for (const auto& f : fights)
    writeReplaySeed(seeds, testing::recordFight(*f.a, *f.b, f.mode, 7).recording, f.name);
  const DollRef a = testing::randomDoll(dolls, "ヴェルコ");
  const DollRef b = testing::randomDoll(dolls, "ブラム 改");
  writeReplaySeed(seeds, testing::recordFight(*a, *b, kModeDuel, 17).recording, "duel");
}

// Three slots saved by the game itself, each with a factory opponent as the player's Doll, and
// three factory opponents, completed, shared as Doll files; fights recorded as replays.
void writeSlotSeeds(const fs::path& game, const fs::path& seeds) {
  const fs::path work = seeds / "slot-work";
  fs::remove_all(work);
  fs::create_directories(work);
  fs::copy(game / "ini", work / "ini", fs::copy_options::recursive);
  const GameFolder folder(work);
  if (!prepareSaveFolder(folder)) return;
  SilentPrompter prompter;
  std::array<std::shared_ptr<Owner>, 2> owners = {std::make_shared<Owner>(),
                                                  std::make_shared<Owner>()};
  std::array<DollRef, 2> dolls = {std::make_shared<doll>(), std::make_shared<doll>()};
  GameDate date = GameDate::fromYMD(2013, 5, 1);
  bool music = true;
  bool guide = false;
  int16_t duelist = kDuelistNotReady;
  SlotState state{owners, dolls, date, music, guide, duelist};
  owners[0]->name = "シード";
  for (int16_t n : {1, 27, 50}) {
    dolls[0] = ldTekiDoll(folder, n);
    dolls[0]->programed = true;
    if (!save_rtn(folder, n, state, prompter)) continue;
    const std::string slot = std::to_string(n) + ".ini";
    writeSeed(seeds, "slot", "saved" + std::to_string(n),
              fuzz::joinFiles({bytesOf(work / "save" / ("Playersv" + slot)),
                               bytesOf(work / "save" / ("PlayDollsv" + slot)),
                               bytesOf(work / "save" / ("Logicsv" + slot))}));
  }
  // One factory opponent of each class shared as a file; the three in a league.
  League league;
  for (int16_t n : {1, 14, 27}) {
    const doll d = completed(folder, *ldTekiDoll(folder, n), *owners[0]);
    writeDollShareSeed(folder, seeds, *owners[0], d, "factory" + std::to_string(n));
    league.entrants.push_back(writeDollShare(*owners[0], d));
  }
  writeLeagueSeed(seeds, league);
  writeReplaySeeds(folder, seeds);
  fs::remove_all(work);
}

// A history of two months with a fight of each ending, and a hall of two careers.
void writeHistorySeeds(const fs::path& seeds) {
  CareerHistory history = startHistory(GameDate::fromYMD(2013, 3, 1));
  countTournament(history);
  countFight(history, {1, HistoryEnd::Won, 7, 1200, "20261207-205203-123456-tournament.replay", "敵"});
  countFight(history, {1, HistoryEnd::Lost, 7, 1500, "", "強敵"});
  countFight(history, {0, HistoryEnd::GivenUp, 7, 900, "20261207-205203-123456-street.replay", ""});
  countPartsLost(history, 1);
  doll d;
  d.name = "ヴェルコ";
  closeMonth(history, Owner(), d, GameDate::fromYMD(2013, 4, 1));
  writeSeed(seeds, "history", "two-months", writeHistory(history));
  const std::vector<HallEntry> hall = {{2, 9, 1, 0, "2026-12-07", "秋津遥人", "ヴェルコ"},
                                       {0, 3, 8, 2, "2026-12-08", "B", "C"}};
  writeSeed(seeds, "history", "hall", writeHall(hall));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_seeds <game folder> <seeds folder>\n");
    return 2;
  }
  const fs::path game(argv[1]);
  const fs::path seeds(argv[2]);
  for (size_t k = 0; k < std::size(kCatalogue); ++k) {
    const std::string bytes = bytesOf(game / "ini" / kCatalogue[k]);
    writeSeed(seeds, "catalogue", kCatalogue[k], std::string{char(k), char(5)} + bytes);
    writeSeed(seeds, "cp932", kCatalogue[k], bytes);
  }
  const std::string registry = fuzz::joinFiles(
      {bytesOf(game / "ini" / "Dollsv.ini"), bytesOf(game / "ini" / "Logicsv.ini")});
  writeSeed(seeds, "registry_read", "factory", registry);
  writeSeed(seeds, "registry_write", "factory", registry);
  writeSlotSeeds(game, seeds);
  writeHistorySeeds(seeds);
  return 0;
}
