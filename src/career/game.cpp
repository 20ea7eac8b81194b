#include "career/game.h"

#include "career/doll_exchange.h"

#include "battle/battle_state.h"
#include "career/after_fight_rules.h"
#include "career/calendar.h"
#include "career/new_player.h"
#include "career/tournament_draw.h"
#include "core/game_version.h"
#include "core/numbers.h"
#include "core/shown_text.h"
#include "data/registry/registry_read.h"
#include "data/registry/registry_reset.h"
#include "data/registry/registry_write.h"
#include "data/save/slot_fight_record.h"
#include "data/save/slot_load.h"
#include "data/save/slot_save.h"
#include "history/hall_of_fame.h"
#include "history/history_slot.h"
#include "model/doll_stats.h"
#include "model/name_limit.h"

namespace velko {

namespace {

// Told before the career's first tournament: a newcomer's first loss should not come as a
// surprise that costs the Doll its frame.
constexpr const char* kFirstEntryNote = QT_TRID_NOOP(
    "初めてのトーナメントです。\n"
    "トーナメントの試合で負けると、HPが0になったモーターやフレームは壊れてなくなります。\n"
    "試合のあとの修理代は、モーターとフレームそれぞれ100Rlに、減ったHP7ごとに10Rlを加えた額"
    "です。\n"
    "危なくなったら「ギブアップ」で試合を降りれば、壊れる前に修理できます。");

constexpr const char* kGuideThirdLine =
    QT_TRID_NOOP("　コンボボックスでパーツの種類を選択し、リストからパーツを選んで下さい。");
// Switching the guide back on words the third line a little shorter.
constexpr const char* kGuideThirdLineAgain =
    QT_TRID_NOOP("　コンボでパーツの種類を選択し、リストからパーツを選んで下さい。");

}  // namespace

Game::Game(CareerState& state, CareerServices& services, Navigator& navigator)
    : state_(state), services_(services), nav_(navigator) {}

// --- the title screen ---

void Game::StartUp_Form_Load() {
  state_.Owners = {freshOwner(services_.rnd), freshOwner(services_.rnd)};
  state_.Dolls = {std::make_shared<doll>(), std::make_shared<doll>()};
  state_.guideOn = true;
}

void Game::Command1_Click(int index) {
  if (index == 0) {
    state_.newGame = true;
    if (nav_.openCharMake()) nav_.openWorkshop(std::nullopt);
    return;
  }
  state_.newGame = false;
  const std::optional<int16_t> slot = nav_.openSaveLoad(2);
  if (slot) nav_.openWorkshop(slot);
}

void Game::cmdQuit_Click() {
  nav_.endProgram();
}

// --- the workshop ---

void Game::Form_Load(std::optional<int16_t> loadSlot) {
  state_.saved = true;
  state_.playMusic = state_.musicChoice;
  if (state_.newGame || !loadSlot) {
    state_.duelistState = kDuelistNotReady;
    // A new player and what the first visit bought are on no disk yet.
    if (nav_.openShop()) state_.saved = false;
    state_.gameDate = careerStart();
    state_.history = startHistory(state_.gameDate);
    stMusic();
  } else {
    loadSlotAndHistory(*loadSlot);
    if (state_.playMusic) {
      stMusic();
    } else {
      services_.music.close();
    }
  }
  if (state_.guideOn) {
    state_.guideDialog = true;
    state_.guideDesign = true;
  }
  init();
}

void Game::init() {
  doll& d = state_.playerDoll();
  const Owner& player = state_.player();
  d.setSoftA(0, player.getSoftA(0));
  d.setSoftD(0, player.getSoftD(0));
  d.setSoftM(0, player.getSoftM(0));
  resetDollParam(d, player);
  // The month under way is pictured as it stands, so a history begun at a load (an older save)
  // starts from the loaded career, not from zeros.
  takeMonth(state_.history, player, d);
  if (state_.guideOn && state_.guideDesign) {
    showWorkshopGuide(kGuideThirdLine);
  } else {
    guide_.clear();
  }
  if (view_) view_->showRefresh();
}

void Game::showWorkshopGuide(const char* thirdLine) {
  guide_ = std::string(shown("\n　ここでDollの組み立てを行います。")) +
           shown("\n　Dollには最低でも、モーター、フレーム、ハードウェアが必要です。") + "\n" +
           shown(thirdLine);
}

std::string Game::dateText() const {
  return state_.gameDate.format();
}

std::string Game::dspClass() const {
  return className(state_.Dolls[0]->value);
}

void Game::stMusic() {
  if (!state_.playMusic) return;
  startTrack(services_.music, "ind30xg", services_.prompter);
}

void Game::backFromScreen() {
  stMusic();
  init();
}

bool Game::programmedOrRefuse() {
  if (state_.playerDoll().programed) return true;
  services_.prompter.msgBox(shown("プログラムを登録して下さい"));
  return false;
}

bool Game::enoughOpponents(int16_t maxValue, int needed, const std::string& refusal) {
  try {
    EnemyIdList ids{};
    if (countTekiDoll(services_.folder, maxValue, ids) >= needed) return true;
    services_.prompter.msgBox(refusal);
  } catch (const std::exception& fault) {
    services_.prompter.msgBox(fault.what());
  }
  return false;
}

void Game::Command1_Click(const std::string& newName) {
  // A longer name would be cut off on the battle screen and the bracket.
  if (!nameFits(newName)) {
    services_.prompter.msgBox(nameTooLongText());
    return;
  }
  if (services_.prompter.askOK(fill(shown("ドールの名前を%1に変更しますか？"), {newName})) !=
      kAnswerOK)
    return;
  state_.playerDoll().name = newName;
  state_.saved = false;  // a save keeps the new name
}

void Game::mnPilotName_Click(const std::string& newName) {
  if (!nameFits(newName)) {
    services_.prompter.msgBox(nameTooLongText());
    return;
  }
  if (services_.prompter.askOK(fill(shown("プレイヤー名を%1に変更しますか？"), {newName})) !=
      kAnswerOK)
    return;
  state_.player().name = newName;
  state_.saved = false;  // a save keeps the new name
}

// Only what a save would keep makes leaving ask: an editor closed without registering, or a
// shop visit without a trade, changes nothing.
void Game::cmdProgram_Click() {
  if (nav_.openProgram()) state_.saved = false;
}

void Game::cmdShop_Click() {
  if (nav_.openShop()) state_.saved = false;
  backFromScreen();
}

void Game::cmdStreet_Click() {
  if (!programmedOrRefuse()) return;
  if (services_.prompter.askOK(shown("テストのための模擬戦闘を行いますか？")) != kAnswerOK) return;
  // An empty or unreadable registry leaves nobody to fight.
  if (!enoughOpponents(9999, 1, shown("登録されている敵Dollがいません"))) return;
  nav_.openFight(kModeStreet, "");
  backFromScreen();
}

void Game::cmdDuel_Click() {
  if (!programmedOrRefuse()) return;
  if (state_.duelistState < kDuelistReady) {
    services_.prompter.msgBox(shown(
        "対戦相手が準備されていません\nメニューの「対戦相手のロード」より対戦相手ファイルをロードし"
        "て"
        "下さい"));
    return;
  }
  if (services_.prompter.askOK(fill(shown("%1と対戦しますか？"), {state_.Dolls[1]->name})) !=
      kAnswerOK)
    return;
  nav_.openFight(kModeDuel, "");
  backFromScreen();
}

void Game::cmdTornament_Click() {
  if (!programmedOrRefuse()) return;
  const std::string cls = dspClass();
  nav_.adviseTournament(cls);
  if (services_.prompter.askOK(fill(shown("%1クラスのトーナメントに参加しますか？"), {cls})) !=
      kAnswerOK)
    return;
  // A bracket needs seven computer entrants of the class; refuse before the month is spent.
  if (!enoughOpponents(classLimit(cls), kTournamentOpponents,
                       shown("このクラスのトーナメントに出場できる敵Dollが足りません"))) {
    return;
  }
  tellFirstEntry();
  offerAutoGiveUp();
  countTournament(state_.history);
  monthStep(state_.gameDate);
  state_.saved = false;
  state_.player().useAllParts();
  nav_.openFight(kModeTournament, cls);
  backFromScreen();
  endMonth();
  if (careerIsOver(state_.gameDate)) Ending();
}

void Game::tellFirstEntry() {
  const Owner& p = state_.player();
  if (state_.entryNoteTold || p.recWin != 0 || p.recLoose != 0 || p.recChamp != 0) return;
  state_.entryNoteTold = true;
  services_.prompter.notify(shown(kFirstEntryNote));
}

void Game::offerAutoGiveUp() {
  const Owner& p = state_.player();
  if (state_.autoGiveUpOffered || state_.autoGiveUp != AutoGiveUp::Off) return;
  if (p.recWin != 0 || p.recLoose != 0 || p.recChamp != 0) return;
  state_.autoGiveUpOffered = true;
  nav_.offerAutoGiveUp();
}

void Game::cmdWork_Click() {
  if (services_.prompter.askOK(shown("試合をせずに日々の仕事に徹しますか？")) != kAnswerOK) return;
  monthStep(state_.gameDate);
  state_.saved = false;
  Shunyu(state_.player(), services_.rnd, services_.prompter);
  ShuriWorkDay(state_.player(), state_.playerDoll(), services_.prompter);
  endMonth();
  if (view_) view_->showDate();
  if (careerIsOver(state_.gameDate)) Ending();
}

void Game::Ending() {
  takeMonth(state_.history, state_.player(), state_.playerDoll());
  services_.prompter.msgBox(endingText(state_.player()));
  enterHallOfFame();
  nav_.showCareerSummary();
  nav_.showTitle();
}

void Game::enterHallOfFame() {
  const Owner& p = state_.player();
  HallEntry entry;
  entry.titles = p.recChamp;
  entry.wins = p.recWin;
  entry.losses = p.recLoose;
  entry.givenUp = totalsOf(state_.history).givenUp;
  entry.date = todayText();
  entry.pilot = p.name;
  entry.doll = state_.playerDoll().name;
  // A hall the game cannot read stays as it is; the player is told why this career is not in.
  const std::string refusal = recordInHall(services_.folder, entry);
  if (!refusal.empty()) services_.prompter.msgBox(refusal);
}

void Game::mnSave_Click() {
  const std::optional<int16_t> slot = nav_.openSaveLoad(1);
  if (!slot) return;
  takeMonth(state_.history, state_.player(), state_.playerDoll());
  const PendingFile history = historyPendingFile(services_.folder, *slot, state_.history);
  if (save_rtn(services_.folder, *slot, state_.slotState(), services_.prompter, {history}))
    state_.saved = true;
}

void Game::mnLoad_Click() {
  const std::optional<int16_t> slot = nav_.openSaveLoad(2);
  if (slot) loadSlotAndHistory(*slot);
  init();
}

void Game::loadSlotAndHistory(int16_t slot) {
  SlotState slots = state_.slotState();
  // A slot read only in part is not what the disk holds: leaving asks to save first.
  if (!load_rtn(services_.folder, slot, slots, services_.prompter)) state_.saved = false;
  state_.history = loadSlotHistory(services_.folder, slot, state_.gameDate, services_.prompter);
}

void Game::endMonth() {
  closeMonth(state_.history, state_.player(), state_.playerDoll(), state_.gameDate);
}

void Game::mnRec_Click() {
  velko::mnRec_Click(state_.player(), services_.prompter);
}

void Game::mnLdDuel_Click() {
  if (services_.prompter.msgBoxYesNo(shown("対戦相手をロードしますか？")) != kAnswerYes) return;
  const std::optional<int16_t> slot = nav_.openSaveLoad(2);
  if (!slot) return;
  SlotState slots = state_.slotState();
  // The readers have told the player why an opponent was refused; the duel commands follow
  // the state.
  const bool ready = loadDuelOpponent(services_.folder, *slot, slots, services_.prompter);
  state_.duelistState = ready ? kDuelistReady : kDuelistNotReady;
}

void Game::ldDuelFile(const std::filesystem::path& file) {
  // The file replaces the opponent loaded before: the player is asked first, as the menu does.
  if (services_.prompter.msgBoxYesNo(shown("対戦相手をロードしますか？")) != kAnswerYes) return;
  (void)importDuelOpponent(services_.folder, file, state_, services_.prompter);
}

void Game::mnEntry_Click() {
  const doll& d = state_.playerDoll();
  if (services_.prompter.msgBoxYesNo(fill(shown("%1を敵として登録しますか？"), {d.name})) !=
      kAnswerYes)
    return;
  entryEnemy(services_.folder, d, services_.prompter);
}

void Game::mnInit_Click() {
  velko::mnInit_Click(services_.folder, services_.prompter);
}

void Game::mnBGM_Click() {
  state_.musicChoice = !state_.playMusic;
  if (state_.playMusic) {
    state_.playMusic = false;
    services_.music.close();
    return;
  }
  state_.playMusic = true;
  stMusic();
}

void Game::mnChar_Click() {
  const Owner& p = state_.player();
  services_.prompter.msgBox(fill(shown("プレイヤー名　%1\n操作能力%2\nレベル%3\n経験値%4"),
                                 {p.name, Str(p.skillPlay), Str(p.Lv), Str(p.exp)}));
}

bool Game::unsavedMayGo() {
  if (state_.saved) return true;
  return services_.prompter.msgBoxOKCancelSafe(shown("セーブしていませんが、よろしいですか？")) ==
         kAnswerOK;
}

void Game::mnEnd_Click() {
  if (!unsavedMayGo()) return;
  services_.music.close();
  nav_.endProgram();
}

void Game::mnStart_Click() {
  // Going back to the title throws the running game away, as leaving does.
  if (!unsavedMayGo()) return;
  nav_.showTitle();
}

void Game::mnGuide_Click() {
  if (state_.guideOn) {
    if (services_.prompter.msgBoxYesNo(shown("初心者用ガイドをオフにしますか？")) == kAnswerYes) {
      state_.guideOn = false;
      guide_.clear();  // the pane goes at once rather than at the next refresh
    }
    return;
  }
  state_.guideOn = true;
  services_.prompter.msgBox(shown("初心者用ガイドをオンにしました"));
  showWorkshopGuide(kGuideThirdLineAgain);
  state_.guideDialog = true;
  state_.guideDesign = true;
}

void Game::mnVersion_Click() {
  // The last line names this build, for a player who reports a problem.
  services_.prompter.msgBox("BRAM-KOL\nver.1.01\n2005/01/03\nVELKO " + gameVersion());
}

void Game::dspGuide_Click() {
  guide_.clear();
  state_.guideDesign = false;
}

}  // namespace velko
