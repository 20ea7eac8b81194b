#include "ui/app/app.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <filesystem>

#include "career/auto_give_up_offer.h"
#include "data/registry/registry_reset.h"
#include "data/save/slot_number.h"
#include "ui/app/named_file.h"
#include "ui/app/start_up.h"
#include "ui/fight/fight.h"
#include "ui/lab/advice_panel.h"
#include "ui/program/program.h"
#include "ui/widgets/focus_return.h"
#include "ui/widgets/game_icon.h"
#include "ui/workshop/career_summary.h"
#include "ui/workshop/design.h"
#include "ui/workshop/f_char_make.h"
#include "ui/workshop/shop.h"
#include "ui/workshop/svld.h"

namespace velko::ui {

namespace {

// The window icon is read a moment after the title's first paint, when the frame has reached
// the screen (nobody can tell a tenth of a second in the title bar); a title that is never
// drawn gets it after a second all the same.
constexpr int kIconAfterPaintMs = 100;
constexpr int kIconLatestMs = 1000;

}  // namespace

App::App(GameFolder folder)
    : music_(engine_, audio::kMusicChannels, folder),
      soundEffects_(engine_, audio::kSoundEffectChannels, folder),
      services_{folder, rnd_, prompter_, music_},
      game_(state_, services_, *this) {}

App::~App() {
  // A title still up goes first: it waits for its picture to be kept, so that no half-written
  // file is left in the player's folder.
  delete title_;
  music_.close();
  soundEffects_.close();
}

bool App::start() {
  if (!lock_.acquire()) {
    prompter_.msgBox(lock_.refusal());
    return false;
  }
  state_.musicChoice = preferences_.musicOn();
  state_.adviceOn = preferences_.adviceOn();
  state_.autoGiveUp = preferences_.autoGiveUp();
  state_.autoGiveUpOffered = preferences_.autoGiveUpOffered();
  dialog_.setMusicNotices(&preferences_, [this](const QString& text) {
    if (design_) design_->showQuietLine(text);
  });
  // The picture generator draws the icon; a folder without it shows the platform's own.
  const std::filesystem::path icon = services_.folder.path("\\img\\velko-icon-256.png");
  if (std::filesystem::exists(icon)) setGameIconFile(QString::fromStdString(icon.string()));
  // A commit record the game cannot carry out is set aside with a message before anything
  // reads save/; the opponents come from the factory files on the first start.
  (void)settleSaveFolder(services_.folder, prompter_);
  if (!prepareSaveFolder(services_.folder)) {
    prompter_.msgBox(
        qtTrId("敵Dollファイルを用意できませんでした\nsaveフォルダに書き込めるか確かめて下さい")
            .toStdString());
  }
  showTitle();
  openNamedFileOver(title_, false);
  return true;
}

void App::openNamedFileOver(QWidget* window, bool workshopUp) {
  const std::optional<NamedFileKind> kind = namedFileKind(namedFile_);
  if (!kind || !window || needsWorkshop(*kind) != workshopUp) return;
  const QString file = namedFile_;
  namedFile_.clear();
  // Once the window is on screen: the questions and windows stand over it.
  QTimer::singleShot(0, window, [this, window, file] {
    openNamedFile(file, *window, game_, services_);
    if (design_) design_->refresh();
  });
}

QWidget* App::owner() const {
  if (design_) return design_;
  return title_;
}

bool App::openCharMake() {
  const FocusReturn back(owner());
  FCharMake screen(state_, services_, owner());
  screen.exec();
  return screen.value() == -1;
}

void App::openWorkshop(std::optional<int16_t> loadSlot) {
  if (title_) {
    title_->hide();
    title_->deleteLater();
  }
  design_ = new Design(game_, services_);
  design_->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(design_->menu("mnBGM"), &QAction::triggered, design_,
                   [this] { preferences_.setMusicOn(state_.musicChoice); });
  QObject::connect(design_->menu("mnAdvice"), &QAction::triggered, design_,
                   [this](bool on) { preferences_.setAdviceOn(on); });
  for (QAction* line : design_->findChild<QMenu*>("mnAutoGiveUp")->actions()) {
    QObject::connect(line, &QAction::triggered, design_,
                     [this] { preferences_.setAutoGiveUp(state_.autoGiveUp); });
  }
  dialog_.setOwner(design_);
  game_.Form_Load(loadSlot);
  if (!design_) return;  // the opening may already have ended the career
  design_->refresh();
  design_->show();
  openNamedFileOver(design_, true);
}

bool App::openShop() {
  const FocusReturn back(design_);
  Shop screen(state_, services_, design_);
  screen.exec();
  return screen.model().changedAnything();
}

bool App::openProgram() {
  const FocusReturn back(design_);
  Program screen(state_, services_, design_);
  return screen.exec() == QDialog::Accepted;
}

void App::openFight(int16_t mode, const std::string& className) {
  const FocusReturn back(design_);
  Fight screen(state_, services_, mode, className, soundEffects_, design_);
  screen.exec();
}

void App::adviseTournament(const std::string& className) {
  if (!state_.adviceOn) return;
  dialog_.attachToNext([this, className](QWidget* dialog) -> QWidget* {
    return AdvicePanel::forClass(state_, services_, className, dialog);
  });
}

void App::offerAutoGiveUp() {
  state_.autoGiveUp = askAutoGiveUp(prompter_);
  preferences_.setAutoGiveUp(state_.autoGiveUp);
  preferences_.setAutoGiveUpOffered();
  if (design_) design_->refresh();
}

std::optional<int16_t> App::openSaveLoad(int16_t mode) {
  const FocusReturn back(owner());
  SVLD screen(mode, services_.folder, prompter_, owner());
  screen.exec();
  if (!screen.value()) return std::nullopt;
  return screen.svNum();
}

void App::showCareerSummary() {
  const FocusReturn back(owner());
  CareerSummary summary(state_, services_.folder, prompter_, owner());
  summary.exec();
}

void App::showTitle() {
  if (design_) {
    design_->closeQuietly();
    design_ = nullptr;
  }
  title_ = new StartUp(game_, services_.folder);
  title_->setAttribute(Qt::WA_DeleteOnClose);
  dialog_.setOwner(title_);
  QObject::connect(title_, &StartUp::painted, title_,
                   [] { QTimer::singleShot(kIconAfterPaintMs, &useGameIcon); });
  QTimer::singleShot(kIconLatestMs, title_, &useGameIcon);
  title_->show();
}

void App::endProgram() {
  // The player has answered the leaving question already: the workshop must not ask again
  // when the application closes its windows.
  if (design_) design_->closeQuietly();
  music_.close();
  QApplication::quit();
}

}  // namespace velko::ui
