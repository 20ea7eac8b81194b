#pragma once
// Start-up probes end as soon as a window has really been painted once: a paint event on the
// watched widget queues the action, which then runs after the frame has been flushed. The
// moment is printed first, so that what the program does on its way out is not counted.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>
#include <functional>
#include <utility>

#include <sys/resource.h>
#include <time.h>

namespace velko::bench {

// The line the start-up benchmark reads back: when the first frame was on the screen, on the
// monotonic clock the benchmark's own std::chrono::steady_clock reads.
inline void printPaintedAt() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("painted_at_ns=%lld\n",
              static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stdout);
}

class FirstPaint : public QObject {
 public:
  explicit FirstPaint(std::function<void()> then) : then_(std::move(then)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!fired_ && event->type() == QEvent::Paint) {
      fired_ = true;
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [this] {
            printPaintedAt();
            then_();
          },
          Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> then_;
  bool fired_ = false;
};

// The line the benchmarks read back: this process's peak resident set in KB.
inline void printPeakResident() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak_kb=%ld\n", usage.ru_maxrss);
  std::fflush(stdout);
}

}  // namespace velko::bench
