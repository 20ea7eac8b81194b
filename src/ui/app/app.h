#pragma once
// The running program: the random source, the dialogs, the music, the shared game state and
// the screens, wired together in one place. It is the career's navigator: every screen the
// rules open is opened here.

#include <QPointer>
#include <memory>

#include "audio/fluid_engine.h"
#include "audio/fluid_midi_player.h"
#include "career/career_state.h"
#include "career/game.h"
#include "career/navigator.h"
#include "core/random.h"
#include "ui/app/folder_lock.h"
#include "ui/app/preferences.h"
#include "ui/app/start_up.h"
#include "ui/widgets/qt_message_dialog.h"
#include "ui/workshop/design.h"

namespace velko::ui {

class App : public Navigator {
 public:
  // The game folder of this start; the working directory when none is given.
  explicit App(GameFolder folder = GameFolder());
  ~App() override;

  // Takes the game folder, prepares the save folder and shows the title screen. False (after
  // telling the player) when another copy of the game runs on the same folder.
  bool start();
  // A file named on the command line: a replay opens over the title, a Doll file or a league
  // once the workshop is up (after the player starts or loads a game). Empty for none.
  void openWhenReady(const QString& file) { namedFile_ = file; }

  Game& game() { return game_; }
  CareerState& state() { return state_; }
  CareerServices& services() { return services_; }
  Design* workshop() const { return design_; }
  StartUp* title() const { return title_; }

  bool openCharMake() override;
  void openWorkshop(std::optional<int16_t> loadSlot) override;
  bool openShop() override;
  bool openProgram() override;
  void openFight(int16_t mode, const std::string& className) override;
  void adviseTournament(const std::string& className) override;
  void offerAutoGiveUp() override;
  std::optional<int16_t> openSaveLoad(int16_t mode) override;
  void showCareerSummary() override;
  void showTitle() override;
  void endProgram() override;

 private:
  QWidget* owner() const;
  // Opens the named file once, over the window now on screen, when its kind is ready there.
  void openNamedFileOver(QWidget* window, bool workshopUp);

  ClockRandom rnd_;
  QtMessageDialog dialog_;
  DialogPrompter prompter_{dialog_};
  audio::FluidEngine engine_;
  audio::FluidMidiPlayer music_;
  audio::FluidMidiPlayer soundEffects_;
  CareerState state_{rnd_};
  CareerServices services_;
  FolderLock lock_{services_.folder.root()};
  Preferences preferences_{services_.folder.root()};
  Game game_;
  QPointer<StartUp> title_;
  QPointer<Design> design_;
  QString namedFile_;
};

}  // namespace velko::ui
