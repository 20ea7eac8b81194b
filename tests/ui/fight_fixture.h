#pragma once
// A running game for the battle screen's tests: a temporary game folder with the built
// catalogue, factory registry and pictures, the player's Doll taken from that registry, the
// fakes around them, and a helper that answers the modal dialogs the fight opens.

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "career/career_state.h"
#include "data/registry/registry_read.h"
#include "data/registry/registry_reset.h"
#include "support/career_fakes.h"
#include "support/screenshots.h"
#include "support/scripted_dialog.h"

namespace velko::testing {

struct FightGame {
  // The player fights with registry Doll playerId of the factory registry.
  explicit FightGame(int16_t playerId = 27) {
    namespace fs = std::filesystem;
    const fs::path built(VELKO_GAME_DIR);
    const fs::path root(dir.path().toStdString());
    fs::copy(built / "ini", root / "ini", fs::copy_options::recursive);
    fs::copy(built / "img", root / "img", fs::copy_options::recursive);
    // Without the registry the Doll below is an empty one and every test here fails.
    if (!prepareSaveFolder(services.folder)) qWarning("the factory registry is missing");
    state.Dolls[0] = ldTekiDoll(services.folder, playerId);
    state.playerDoll().programed = true;
  }

  QTemporaryDir dir;
  ClockRandom rnd{20130101};
  ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
  FakeMusic music;
  FakeMusic soundEffects;
  ClockRandom setupRnd{1};
  CareerState state{setupRnd};
  CareerServices services{GameFolder(dir.path().toStdString()), rnd, prompter, music};
};

// While alive, answers every modal window the fight opens with `answer`, from the event loop
// of that window.
class ModalAnswerer : public QObject {
 public:
  explicit ModalAnswerer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || !modal->isVisible() || modal->property("answered").toBool()) return;
      modal->setProperty("answered", true);
      answer_(modal);
    });
    timer_.start();
  }

 private:
  std::function<void(QWidget*)> answer_;
  QTimer timer_;
};

}  // namespace velko::testing
