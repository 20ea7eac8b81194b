#pragma once
// A running game: the title screen's commands and the workshop's commands and menus, on the
// shared state. The Qt title screen and workshop only show this and forward the player's
// clicks; the rules of each command live here.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "career/career_state.h"
#include "career/navigator.h"
#include "career/workshop_view.h"

namespace velko {

class Game {
 public:
  Game(CareerState& state, CareerServices& services, Navigator& navigator);

  CareerState& state() { return state_; }
  // The workshop window that shows the refresh and the date while a command runs; a window
  // that closes detaches itself (a newer one may already have taken its place).
  void setView(WorkshopView* view) { view_ = view; }
  void detachView(const WorkshopView* view) {
    if (view_ == view) view_ = nullptr;
  }

  // --- the title screen ---
  // Fresh player records and Dolls, and the guide on.
  void StartUp_Form_Load();
  // "Initial Start" (0) and "Load Start" (1).
  void Command1_Click(int index);
  void cmdQuit_Click();

  // --- the workshop ---
  // Opening: a new game visits the shop and starts the calendar; a loaded game loads its slot.
  void Form_Load(std::optional<int16_t> loadSlot);
  // Refresh after every screen: the software fitted, the Doll recomputed, the guide text.
  void init();
  std::string dateText() const;
  // The workshop's guide text, or "" when the guide pane is hidden.
  const std::string& guideText() const { return guide_; }
  // The class of the player's Doll by its value.
  std::string dspClass() const;

  void Command1_Click(const std::string& newName);
  // Renames the pilot after the same check and question as the Doll's name.
  void mnPilotName_Click(const std::string& newName);
  void cmdProgram_Click();
  void cmdShop_Click();
  void cmdStreet_Click();
  void cmdDuel_Click();
  void cmdTornament_Click();
  void cmdWork_Click();
  void Ending();

  void mnSave_Click();
  void mnLoad_Click();
  void mnRec_Click();
  void mnLdDuel_Click();
  // A Doll file named on the command line: the duel question, then the file as the opponent.
  void ldDuelFile(const std::filesystem::path& file);
  void mnEntry_Click();
  void mnInit_Click();
  void mnBGM_Click();
  void mnChar_Click();
  void mnEnd_Click();
  void mnStart_Click();
  void mnGuide_Click();
  void mnVersion_Click();
  void dspGuide_Click();

 private:
  bool programmedOrRefuse();
  // The slot's three files and its history.
  void loadSlotAndHistory(int16_t slot);
  // The history's month ends with the month the calendar has just spent.
  void endMonth();
  // The finished career among the folder's best.
  void enterHallOfFame();
  // Once, before a career's first tournament: what a lost bout can cost.
  void tellFirstEntry();
  // Once, at a new player's first entry, unless a line is already chosen.
  void offerAutoGiveUp();
  // The workshop theme, when music is on.
  void stMusic();
  // After a fight or the shop: music again and a refresh.
  void backFromScreen();
  // Opponents the registry offers up to a value; refuses (and says why) below `needed`.
  bool enoughOpponents(int16_t maxValue, int needed, const std::string& refusal);
  void showWorkshopGuide(const char* thirdLine);
  // True when the game is saved, or the player agrees to lose what is not.
  bool unsavedMayGo();

  CareerState& state_;
  CareerServices& services_;
  Navigator& nav_;
  WorkshopView* view_ = nullptr;
  std::string guide_;
};

}  // namespace velko
