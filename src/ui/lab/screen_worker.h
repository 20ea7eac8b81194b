#pragma once
// The worker thread a screen runs a long job on (the practice lab's fights, a league's round
// robin), with the cancel flag the job reads. The job reports its end to the screen's thread,
// which then calls finish().

#include <atomic>
#include <thread>
#include <utility>

namespace velko::ui {

class ScreenWorker {
 public:
  ScreenWorker() = default;
  ScreenWorker(const ScreenWorker&) = delete;
  ScreenWorker& operator=(const ScreenWorker&) = delete;
  ~ScreenWorker() { stop(); }

  template <typename Job>
  void start(Job job) {
    stop();
    cancel_ = false;
    finished_ = false;
    thread_ = std::thread(std::move(job));
  }
  void cancel() { cancel_ = true; }
  // Cancels the job and waits for it.
  void stop() {
    cancel_ = true;
    join();
  }
  void finish() {
    finished_ = true;
    join();
  }
  bool running() const { return thread_.joinable() && !finished_; }
  const std::atomic<bool>* cancelFlag() const { return &cancel_; }

 private:
  void join() {
    if (thread_.joinable()) thread_.join();
  }

  std::thread thread_;
  std::atomic<bool> cancel_ = false;
  bool finished_ = true;
};

}  // namespace velko::ui
