#include "data/save/slot_load.h"

#include <string>

#include "core/shown_text.h"
#include "data/catalogue/catalogue.h"
#include "data/files/data_file_error.h"
#include "data/files/text_file.h"
#include "data/save/slot_doll_file.h"
#include "data/save/slot_logic_file.h"
#include "data/save/slot_number.h"
#include "data/save/slot_player_file.h"
#include "data/save/slot_protector_names.h"
#include "model/action_factories.h"
#include "model/doll_stats.h"

namespace velko {

namespace {

void reportMissing(SlotState& state, Prompter& prompter) {
  prompter.msgBox(shown("ファイルが見つかりません"));
  state.duelistState = kDuelistNotReady;
}

// A save a crash cut short is finished or undone first, so the slot is read whole: all old
// or all new. A record the game cannot carry out is set aside with a message; one that cannot
// be settled counts as a file that cannot be read.
TextFile readSlotFile(const GameFolder& folder, const std::filesystem::path& path,
                      Prompter& prompter) {
  const std::string name = "save/" + path.filename().string();
  if (!settleSaveFolder(folder, prompter))
    throw DataFileError(DataFileError::Kind::Unreadable, name, 0, shown("書き込み途中のままです"));
  return readTextFile(path, name);
}

void setRecord(Owner& o, const PlayerFile& d) {
  o.name = d.name;
  o.Lv = d.Lv;
  o.exp = d.exp;
  o.Rl = d.Rl;
  o.skillPlay = d.skillPlay;
  o.skillHard = d.skillHard;
  o.skillSoft = d.skillSoft;
  o.recChamp = d.recChamp;
  o.recLoose = d.recLoose;
  o.recWin = d.recWin;
}

// In the game's order: motors and frames, then boosters, computers and protectors position
// by position, then the three software kinds. IDs of 0 are empty slots.
void rebuildInventory(const GameFolder& folder, Owner& o, const PlayerFile& d) {
  for (size_t k = 0; k < d.motors.size(); ++k) {
    if (d.motors[k] >= 1) o.setMotor(ld_Motor(folder, d.motors[k]));
    if (d.frames[k] > 0) o.setFrame(ld_Frame(folder, d.frames[k]));
  }
  for (size_t k = 0; k < d.boosters.size(); ++k) {
    if (d.boosters[k] > 0) o.setBooster(ld_Boost(folder, d.boosters[k]));
    if (k < d.hards.size() && d.hards[k] > 0) o.setHard(ld_Hard(folder, d.hards[k]));
    if (d.protectors[k] > 0) {
      ProtectorRef p = ld_Protect(folder, d.protectors[k]);
      countUpProtector(o, static_cast<int>(k), *p);
      o.setProtector(p);
    }
  }
  for (size_t k = 0; k < d.softA.size(); ++k) {
    if (d.softA[k] > 0) o.setSoftA(ld_SoftA(folder, d.softA[k]));
    if (d.softD[k] > 0) o.setSoftD(ld_SoftD(folder, d.softD[k]));
    if (d.softM[k] > 0) o.setSoftM(ld_SoftM(folder, d.softM[k]));
  }
  o.useAllParts();
}

// A duel opponent must be whole and programmed.
void checkDuelist(const doll& d, SlotState& state, Prompter& prompter) {
  if (d.Motor->HP < 1 || d.frame->HP < 1) {
    prompter.msgBox(shown("このドールは完成されていません"));
    state.duelistState = kDuelistNotReady;
    return;
  }
  if (!d.programed) {
    prompter.msgBox(shown("このドールは技がプログラムされていません"));
    state.duelistState = kDuelistNotReady;
  }
}

}  // namespace

DollRef buildDoll(const GameFolder& folder, const DollFile& f, Prompter& prompter) {
  auto d = std::make_shared<doll>();
  if (f.frame > 0) d->frame = ld_Frame(folder, f.frame);
  if (f.hard > 0) d->Hard = ld_Hard(folder, f.hard);
  if (f.motor > 0) d->Motor = ld_Motor(folder, f.motor);
  if (f.softM[0] > 0) d->setSoftM(0, ld_SoftM(folder, f.softM[0]));
  if (f.softA[0] > 0) d->setSoftA(0, ld_SoftA(folder, f.softA[0]));
  if (f.softD[0] > 0) d->setSoftD(0, ld_SoftD(folder, f.softD[0]));
  d->name = f.name;
  for (int16_t id : f.boosters) {
    if (id > 0) d->addBooster(ld_Boost(folder, id));
  }
  for (size_t k = 0; k < f.protectors.size(); ++k) {
    if (f.protectors[k] <= 0) continue;
    ProtectorRef p = ld_Protect(folder, f.protectors[k]);
    countUpProtector2(*d, static_cast<int>(k), *p);
    d->addProtector(p, prompter);
  }
  d->Motor->HP = f.motorHP;
  d->frame->HP = f.frameHP;
  d->programed = f.programed;
  return d;
}

bool loadPlayerRtn(const GameFolder& folder, int16_t svNum, int i, SlotState& state,
                   Prompter& prompter) {
  try {
    const PlayerFile d =
        parsePlayerFile(readSlotFile(folder, playerFilePath(folder, svNum), prompter));
    auto owner = std::make_shared<Owner>();
    setRecord(*owner, d);
    if (i == 1) {
      state.Owners[1] = owner;
      return true;
    }
    rebuildInventory(folder, *owner, d);
    state.gameDate = d.date;
    state.playMusic = d.music;
    state.guideOn = d.guide;
    state.Owners[0] = owner;
    return true;
  } catch (const DataFileError&) {
    reportMissing(state, prompter);
    return false;
  }
}

bool loadDollRtn(const GameFolder& folder, int16_t svNum, int i, SlotState& state,
                 Prompter& prompter) {
  DollRef d;
  try {
    const DollFile f = parseDollFile(readSlotFile(folder, dollFilePath(folder, svNum), prompter));
    d = buildDoll(folder, f, prompter);
  } catch (const DataFileError&) {
    reportMissing(state, prompter);
    return false;
  }
  state.Dolls[i] = d;
  if (i == 1) checkDuelist(*d, state, prompter);
  return true;
}

bool loadLogicRtn(const GameFolder& folder, int16_t svNum, int i, SlotState& state,
                  Prompter& prompter) {
  std::vector<LogicFileRecord> records;
  try {
    records = parseLogicFile(readSlotFile(folder, logicFilePath(folder, svNum), prompter));
  } catch (const DataFileError&) {
    reportMissing(state, prompter);
    return false;
  }
  doll& target = *state.Dolls[i];
  for (size_t k = 0; k < records.size(); ++k) {
    auto logic = std::make_shared<Logic>();
    logic->ID = records[k].ID;
    logic->name = records[k].name;
    for (int16_t id : records[k].actions) {
      if (id >= 1) logic->addAction(workshopAction(target, id), prompter);
    }
    target.setLogics(logic, static_cast<int>(k));
  }
  return true;
}

bool load_rtn(const GameFolder& folder, int16_t svNum, SlotState& state,
              Prompter& prompter) {
  const bool player = loadPlayerRtn(folder, svNum, 0, state, prompter);
  const bool dollRead = loadDollRtn(folder, svNum, 0, state, prompter);
  const bool logics = loadLogicRtn(folder, svNum, 0, state, prompter);
  state.duelistState = kDuelistNotReady;
  return player && dollRead && logics;
}

bool loadDuelOpponent(const GameFolder& folder, int16_t svNum, SlotState& state,
                      Prompter& prompter) {
  state.duelistState = kDuelistReady;
  // A reader that fails makes the opponent not ready itself; the later readers still run.
  const bool player = loadPlayerRtn(folder, svNum, 1, state, prompter);
  const bool dollRead = loadDollRtn(folder, svNum, 1, state, prompter);
  resetDollParam(*state.Dolls[1], *state.Owners[1]);
  const bool logics = loadLogicRtn(folder, svNum, 1, state, prompter);
  return player && dollRead && logics && state.duelistState == kDuelistReady;
}

}  // namespace velko
