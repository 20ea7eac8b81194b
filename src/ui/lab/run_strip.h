#pragma once
// The start and cancel buttons and the progress bar of a window that runs a long job on a
// worker thread (the practice lab, the league), and that worker. The window places the three
// widgets in its own layout and starts its job when start is pressed; cancel is handled here.

#include <QObject>
#include <atomic>
#include <utility>

#include "ui/lab/screen_worker.h"

class QProgressBar;
class QPushButton;
class QWidget;

namespace velko::ui {

class RunStrip : public QObject {
  Q_OBJECT

 public:
  // The widgets are the window's children.
  explicit RunStrip(QWidget* window);
  ~RunStrip() override;

  QPushButton* cmdStart() const { return cmdStart_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }
  QProgressBar* progress() const { return progress_; }
  bool running() const { return worker_.running(); }

  // Runs the job on the worker with the bar at 0 of `total`: start is off, cancel on. The job
  // ends by telling the window's thread, which then calls finish().
  template <typename Job>
  void begin(int total, Job job) {
    showBegun(total);
    worker_.start(std::move(job));
  }
  // The bar shows `done`; safe to call from the job's thread.
  void report(int done);
  // Waits for the finished job: start is on, cancel off.
  void finish();
  // Cancels the job and waits for it.
  void stop() { worker_.stop(); }
  const std::atomic<bool>* cancelFlag() const { return worker_.cancelFlag(); }

 signals:
  void startPressed();

 private:
  void showBegun(int total);

  ScreenWorker worker_;
  QPushButton* cmdStart_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QProgressBar* progress_ = nullptr;
};

}  // namespace velko::ui
