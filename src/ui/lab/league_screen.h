#pragma once
// The league screen: the player's Doll, registry Dolls and Doll files of a folder in a round
// robin on worker threads, each pair fighting many times with the seats taking turns; progress
// and cancel; the ratings with their 95% intervals, the cross table of win rates (a click on a
// cell opens that pair's worst loss in the inspector), and each Doll's rating run by run. A
// league is saved to and opened from a league file.

#include <QDialog>
#include <memory>
#include <vector>

#include "career/career_state.h"
#include "league/league.h"
#include "ui/lab/run_strip.h"

class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace velko::ui {

class LeagueScreen : public QDialog {
  Q_OBJECT

 public:
  LeagueScreen(CareerState& state, CareerServices& services, QWidget* parent = nullptr);
  ~LeagueScreen() override;

  QListWidget* entrants() const { return entrants_; }
  QComboBox* cmbFights() const { return cmbFights_; }
  QPushButton* cmdStart() const { return run_->cmdStart(); }
  QPushButton* cmdCancel() const { return run_->cmdCancel(); }
  QProgressBar* progress() const { return run_->progress(); }
  QTableWidget* ratings() const { return ratings_; }
  QTableWidget* cross() const { return cross_; }
  const League& league() const { return league_; }
  bool running() const { return run_->running(); }

  // Starts a run of the checked entrants; false (with a message) when it cannot.
  bool start();
  // Adds the Doll files of a folder to the entrants, checked; refused files are named.
  void addFolder(const QString& folder);
  bool openLeague(const QString& path);
  bool saveLeague(const QString& path);
  // The worst loss of the cross table's row entrant against the column's, in the inspector.
  void openWorstLoss(int row, int column);

 signals:
  void finished();

 protected:
  void reject() override;

 private:
  void buildControls();
  void fillEntrants();
  void addEntrantItem(const QString& label, const std::string& text, bool checked);
  std::vector<std::string> checkedTexts() const;
  void finishRun(std::shared_ptr<LeagueRun> run);
  void showTables();
  void showHistory();
  QString nameOf(int entrant) const;

  CareerState& state_;
  CareerServices& services_;
  League league_;
  std::vector<DollRef> dolls_;  // the league's entrants, built as they are added
  std::vector<int> rowEntrants_;

  QListWidget* entrants_ = nullptr;
  QComboBox* cmbFights_ = nullptr;
  RunStrip* run_ = nullptr;
  QLabel* summary_ = nullptr;
  QTableWidget* ratings_ = nullptr;
  QTableWidget* cross_ = nullptr;
  QWidget* chartHolder_ = nullptr;
};

}  // namespace velko::ui
