#include "data/save/slot_save.h"

#include "core/shown_text.h"
#include "core/text_cp932.h"
#include "data/save/slot_doll_file.h"
#include "data/save/slot_logic_file.h"
#include "data/save/slot_number.h"
#include "data/save/slot_player_file.h"

namespace velko {

namespace {

template <typename Ref, size_t N, typename Get>
std::array<int16_t, N> idsOf(Get get) {
  std::array<int16_t, N> ids{};
  for (size_t i = 0; i < N; ++i) {
    const Ref& part = get(static_cast<int>(i));
    ids[i] = part ? part->ID : 0;
  }
  return ids;
}

PlayerFile playerFileOf(const Owner& o, const SlotState& state) {
  PlayerFile d;
  d.date = state.gameDate;
  d.name = o.name;
  d.Lv = o.Lv;
  d.exp = o.exp;
  d.Rl = o.Rl;
  d.skillPlay = o.skillPlay;
  d.skillHard = o.skillHard;
  d.skillSoft = o.skillSoft;
  d.motors = idsOf<MotorRef, 4>([&](int i) { return o.getMotor(i); });
  d.frames = idsOf<FrameRef, 4>([&](int i) { return o.getFrame(i); });
  d.boosters = idsOf<BoosterRef, 10>([&](int i) { return o.getBooster(i); });
  d.protectors = idsOf<ProtectorRef, 10>([&](int i) { return o.getProtector(i); });
  d.hards = idsOf<HardRef, 4>([&](int i) { return o.getHard(i); });
  d.softM = idsOf<SoftMobileRef, 4>([&](int i) { return o.getSoftM(i); });
  d.softA = idsOf<SoftAttackRef, 4>([&](int i) { return o.getSoftA(i); });
  d.softD = idsOf<SoftDeffenceRef, 4>([&](int i) { return o.getSoftD(i); });
  d.music = state.playMusic;
  d.guide = state.guideOn;
  d.recWin = o.recWin;
  d.recLoose = o.recLoose;
  d.recChamp = o.recChamp;
  return d;
}

}  // namespace

DollFile dollFileOf(const doll& dl) {
  DollFile d;
  d.name = dl.name;
  d.ownerID = dl.ownerID;
  d.motor = dl.Motor->ID;
  d.frame = dl.frame->ID;
  d.boosters = idsOf<BoosterRef, 5>([&](int i) { return dl.getBoost(i); });
  d.protectors = idsOf<ProtectorRef, 4>([&](int i) { return dl.getProtector(i); });
  d.hard = dl.Hard->ID;
  d.softM = idsOf<SoftMobileRef, 4>([&](int i) { return dl.getSoftM(i); });
  d.softA = idsOf<SoftAttackRef, 4>([&](int i) { return dl.getSoftA(i); });
  d.softD = idsOf<SoftDeffenceRef, 4>([&](int i) { return dl.getSoftD(i); });
  d.junkParts = dl.junkParts;
  d.motorHP = dl.Motor->HP;
  d.frameHP = dl.frame->HP;
  d.programed = dl.programed;
  return d;
}

namespace {

// Program slots 0-6 are saved; 7-12 are never used by a player's Doll.
constexpr int kSavedPrograms = 7;

std::vector<LogicFileRecord> logicRecordsOf(const doll& dl) {
  std::vector<LogicFileRecord> records;
  for (int k = 0; k < kSavedPrograms; ++k) {
    const Logic& logic = *dl.getLogic(k);
    LogicFileRecord r;
    r.ID = static_cast<int16_t>(k + 1);
    r.name = logic.name;
    r.AP = logic.AP;
    r.Memory = logic.Memory;
    for (int i = 0; i < Logic::kSlots; ++i)
      r.actions[i] = logic.getActions(i)->ID;
    records.push_back(r);
  }
  return records;
}

}  // namespace

PendingFile savePlayerRtn(const GameFolder& folder, int16_t svNum, const SlotState& state) {
  const PlayerFile data = playerFileOf(*state.Owners[0], state);
  return {playerFilePath(folder, svNum), cp932Lines(playerFileLines(data))};
}

PendingFile saveDollRtn(const GameFolder& folder, int16_t svNum, const SlotState& state) {
  return {dollFilePath(folder, svNum), cp932Lines(dollFileLines(dollFileOf(*state.Dolls[0])))};
}

PendingFile saveLogicRtn(const GameFolder& folder, int16_t svNum, const SlotState& state) {
  const auto records = logicRecordsOf(*state.Dolls[0]);
  return {logicFilePath(folder, svNum), cp932Lines(logicFileLines(records))};
}

bool save_rtn(const GameFolder& folder, int16_t svNum, const SlotState& state, Prompter& prompter,
              const std::vector<PendingFile>& companions) {
  std::vector<PendingFile> files;
  try {
    files.push_back(savePlayerRtn(folder, svNum, state));
    files.push_back(saveDollRtn(folder, svNum, state));
    files.push_back(saveLogicRtn(folder, svNum, state));
  } catch (const EncodingError&) {
    prompter.msgBox(shown("セーブできませんでした\n名前にセーブできない文字が含まれています"));
    return false;
  }
  files.insert(files.end(), companions.begin(), companions.end());
  // A commit record the game cannot carry out is set aside (and the player told) first.
  if (!ensureSaveFolder(folder) || !settleSaveFolder(folder, prompter) || !commitFiles(files)) {
    prompter.msgBox(shown("セーブできませんでした\nファイルに書き込めません"));
    return false;
  }
  return true;
}

}  // namespace velko
